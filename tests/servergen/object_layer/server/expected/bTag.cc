#include "shopbody.h"

TagCache::TagCache(KVSession* s) : KVDomain("Tag"),
  Tag(), KVSimpleCache(s,0) {}

TagCache::~TagCache() {}

TagArch::TagArch(KVSession* s) : KVDomain("TagArc"),
  TagArc(), KVSimpleCache(s,0) {}

TagArch::~TagArch() {}


bTag::bTag(shop* t) : ths(t), cache(t->rdb), arc(t->rdb) {
  tabname="Tag";
}


bool bTag::checkID( const Int& note) {
  if (note.IsNull()) return false;
  cache.note=note;
  cache.Get();
  return (1 && cache.note==note) ? true : false;
}


TagArc& bTag::getArcEntry( const Int& note, const Int& UserArc, const Date& DateArc) {
  arc.note=note;
  arc.UserArc=UserArc;
  arc.DateArc=DateArc;
  arc.Get();
  if( 0 || arc.note != note || arc.UserArc != UserArc || arc.DateArc != DateArc ) 
    throw Exc("Record with this code is not found.");
  return arc;
}


TagArc& bTag::getOldEntry( const Int& note, Int DateArc) {
  KVCursor cursor(ths->rdb);
  cursor.Project() << arc->note << arc->UserArc << arc->DateArc;
  cursor.Set(KVComparison(Str("")) && arc->note==note && arc->DateArc <= (int)DateArc);
  cursor.Order(-arc->DateArc);
  if (!cursor.Fetch()) throw Exc("Record with this code is not found.");
  return arc;
}


Tag& bTag::getEntry( const Int& note){
  cache.note=note;
  cache.Get();
  if( cache.UserArc.IsNull() || cache.note != note ) 
    throw Exc("Table ") << Msg("Tag").what() << " doesn't contain row with id " << note << ". ";
  return cache;
}


void bTag::addEntry( const Int& note){
  cache.note=note;
  cache.UserArc=GUserID;
  cache.DateArc=GUserTime;
  cache.Insert();
}


void bTag::add( const Tag& _row) {
  cache.note=_row.note;
  cache.UserArc=GUserID;
  cache.DateArc=GUserTime;
  cache.Insert();
}


void bTag::removeEntry( const Int& note){
  cache.note=note;
  cache.Delete();
}


void bTag::updateEntry( const Int& note){
  cache.note=note;
  cache.Get();
  cache.note=note;
  cache.UserArc=GUserID;
  cache.DateArc=GUserTime;
  cache.Put();
}


void bTag::updateEntry(const Tag& _row) {
  cache.note=_row.note;
  cache.UserArc=GUserID;
  cache.DateArc=GUserTime;
  cache.Put();
}


