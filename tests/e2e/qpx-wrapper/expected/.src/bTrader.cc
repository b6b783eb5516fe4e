bTrader::bTrader(KVSession* t) : rdb(t), cache(t) {
  tabname="Trader";
}


bool bTrader::checkID( const Int& id) {
  if (id.IsNull()) return false;
  cache.id=id;
  cache.Get();
  return (1 && cache.id==id) ? true : false;
}


Trader& bTrader::getEntry( const Int& id){
  cache.id=id;
  cache.Get();
  if( 0 || cache.id != id ) 
    throw Exc("Table ") << Msg("Trader").what() << " doesn't contain row with id " << id << ". ";
  return cache;
}


Int bTrader::addEntry( const Str& title, const Str& city, const Int& PartyType){
  bParty oParty(rdb);
  Int id=oParty.addEntry((char*)(const char*)title, PartyType);
  cache.id=id;
  cache.city=city;
  cache.Insert();
  return id;
}


Int bTrader::add( const Trader& _row) {
  cache.id=_row.id;
  cache.city=_row.city;
  cache.Insert();
  return cache.id;
}


void bTrader::removeEntry( const Int& id){
  cache.id=id;
  cache.Delete();
}


void bTrader::updateEntry( const Int& id, const Str& title, const Str& city, const Int& PartyType){
  bParty oParty(rdb);
  oParty.updateEntry(id, (char*)(const char*)title, PartyType);
  cache.id=id;
  cache.Get();
  cache.id=id;
  cache.city=city;
  cache.Put();
}


void bTrader::updateEntry(const Trader& _row) {
  cache.id=_row.id;
  cache.city=_row.city;
  cache.Put();
}


