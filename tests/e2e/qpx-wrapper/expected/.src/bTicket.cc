bTicket::bTicket(KVSession* t) : rdb(t), cache(t) {
  tabname="Ticket";
}


bool bTicket::checkID( const Int& no) {
  if (no.IsNull()) return false;
  cache.no=no;
  cache.Get();
  return (1 && cache.no==no) ? true : false;
}


Ticket& bTicket::getEntry( const Int& no){
  cache.no=no;
  cache.Get();
  if( 0 || cache.no != no ) 
    throw Exc("Table ") << Msg("Ticket").what() << " doesn't contain row with id " << no << ". ";
  return cache;
}


Int bTicket::addEntry( const Str& title){
  cache.title=title;
  cache.Insert();
  cache.no=rdb->GetInsertId();
  return cache.no;
}


Int bTicket::add( const Ticket& _row) {
  cache.title=_row.title;
  cache.Insert();
  cache.no=rdb->GetInsertId();
  return cache.no;
}


void bTicket::removeEntry( const Int& no){
  cache.no=no;
  cache.Delete();
}


void bTicket::updateEntry( const Int& no, const Str& title){
  cache.no=no;
  cache.Get();
  cache.no=no;
  cache.title=title;
  cache.Put();
}


void bTicket::updateEntry(const Ticket& _row) {
  cache.no=_row.no;
  cache.title=_row.title;
  cache.Put();
}


