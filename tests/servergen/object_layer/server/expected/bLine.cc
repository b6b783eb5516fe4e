#include "shopbody.h"

LineCache::LineCache(KVSession* s) : KVDomain("Line"),
  Line(), KVSimpleCache(s) {}

LineCache::~LineCache() {}

LineArch::LineArch(KVSession* s) : KVDomain("LineArc"),
  LineArc(), KVSimpleCache(s,0) {}

LineArch::~LineArch() {}


bLine::bLine(shop* t) : ths(t), cache(t->rdb), arc(t->rdb) {
  tabname="Line";
}


bool bLine::checkID( const Int& no) {
  if (no.IsNull()) return false;
  cache.no=no;
  cache.Get();
  return (1 && cache.no==no) ? true : false;
}


LineArc& bLine::getArcEntry( const Int& no, const Int& UserArc, const Date& DateArc) {
  arc.no=no;
  arc.UserArc=UserArc;
  arc.DateArc=DateArc;
  arc.Get();
  if( 0 || arc.no != no || arc.UserArc != UserArc || arc.DateArc != DateArc ) 
    throw Exc("Record with this code is not found.");
  return arc;
}


LineArc& bLine::getOldEntry( const Int& no, Int DateArc) {
  KVCursor cursor(ths->rdb);
  cursor.Project() << arc->no << arc->qty << arc->UserArc << arc->DateArc;
  cursor.Set(KVComparison(Str("")) && arc->no==no && arc->DateArc <= (int)DateArc);
  cursor.Order(-arc->DateArc);
  if (!cursor.Fetch()) throw Exc("Record with this code is not found.");
  return arc;
}


Line& bLine::getEntry( const Int& no){
  cache.no=no;
  cache.Get();
  if( cache.UserArc.IsNull() || cache.no != no ) 
    throw Exc("Table ") << Msg("Line").what() << " doesn't contain row with id " << no << ". ";
  return cache;
}


Int bLine::addEntry( const Str& title, const Int& qty, const Int& TicketType){
  Int no=oTicket.addEntry((char*)(const char*)title, TicketType);
  cache.no=no;
  cache.qty=qty;
  cache.UserArc=GUserID;
  cache.DateArc=GUserTime;
  cache.Insert();
  return no;
}


Int bLine::add( const Line& _row) {
  cache.no=_row.no;
  cache.qty=_row.qty;
  cache.UserArc=GUserID;
  cache.DateArc=GUserTime;
  cache.Insert();
  return cache.no;
}


void bLine::removeEntry( const Int& no){
  cache.no=no;
  cache.Delete();
}


void bLine::updateEntry( const Int& no, const Int& qty, const Int& TicketType){
  oTicket.updateEntry(no, TicketType);
  cache.no=no;
  cache.Get();
  cache.no=no;
  cache.qty=qty;
  cache.UserArc=GUserID;
  cache.DateArc=GUserTime;
  cache.Put();
}


void bLine::updateEntry(const Line& _row) {
  cache.no=_row.no;
  cache.qty=_row.qty;
  cache.UserArc=GUserID;
  cache.DateArc=GUserTime;
  cache.Put();
}


