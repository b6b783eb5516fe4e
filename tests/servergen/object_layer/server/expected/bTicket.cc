#include "shopbody.h"

TicketCache::TicketCache(KVSession* s) : KVDomain("Ticket"),
  Ticket(), KVSimpleCache(s) {}

TicketCache::~TicketCache() {}

TicketArch::TicketArch(KVSession* s) : KVDomain("TicketArc"),
  TicketArc(), KVSimpleCache(s,0) {}

TicketArch::~TicketArch() {}


bTicket::bTicket(shop* t) : ths(t), cache(t->rdb), arc(t->rdb) {
  tabname="Ticket";
}


bool bTicket::checkID( const Int& no) {
  if (no.IsNull()) return false;
  cache.no=no;
  cache.Get();
  return (1 && cache.no==no) ? true : false;
}


TicketArc& bTicket::getArcEntry( const Int& no, const Int& UserArc, const Date& DateArc) {
  arc.no=no;
  arc.UserArc=UserArc;
  arc.DateArc=DateArc;
  arc.Get();
  if( 0 || arc.no != no || arc.UserArc != UserArc || arc.DateArc != DateArc ) 
    throw Exc("Record with this code is not found.");
  return arc;
}


TicketArc& bTicket::getOldEntry( const Int& no, Int DateArc) {
  KVCursor cursor(ths->rdb);
  cursor.Project() << arc->no << arc->title << arc->UserArc << arc->DateArc << arc->TicketType;
  cursor.Set(KVComparison(Str("")) && arc->no==no && arc->DateArc <= (int)DateArc);
  cursor.Order(-arc->DateArc);
  if (!cursor.Fetch()) throw Exc("Record with this code is not found.");
  return arc;
}


Ticket& bTicket::getEntry( const Int& no){
  cache.no=no;
  cache.Get();
  if( cache.UserArc.IsNull() || cache.no != no ) 
    throw Exc("Table ") << Msg("Ticket").what() << " doesn't contain row with id " << no << ". ";
  return cache;
}


Int bTicket::addEntry( const Str& title, const Int& TicketType){
  cache.title=title;
  cache.UserArc=GUserID;
  cache.DateArc=GUserTime;
  cache.TicketType=TicketType;
  cache.Insert();
  cache.no=ths->rdb->GetInsertId();
  return cache.no;
}


Int bTicket::add( const Ticket& _row) {
  cache.title=_row.title;
  cache.UserArc=GUserID;
  cache.DateArc=GUserTime;
  cache.TicketType=_row.TicketType;
  cache.Insert();
  cache.no=ths->rdb->GetInsertId();
  return cache.no;
}


void bTicket::settitle( const Int& no, char* title) {
  cache.no=no;
  cache.Get();
  cache.title = title;
  cache.UserArc=GUserID;
  cache.DateArc=GUserTime;
  cache.Put();
}

void bTicket::removeEntry( const Int& no){
  cache.no=no;
  cache.Delete();
}


void bTicket::updateEntry( const Int& no, const Int& TicketType){
  cache.no=no;
  cache.Get();
  cache.no=no;
  cache.UserArc=GUserID;
  cache.DateArc=GUserTime;
  cache.TicketType=TicketType;
  cache.Put();
}


void bTicket::updateEntry(const Ticket& _row) {
  cache.no=_row.no;
  cache.title=_row.title;
  cache.UserArc=GUserID;
  cache.DateArc=GUserTime;
  cache.TicketType=_row.TicketType;
  cache.Put();
}


