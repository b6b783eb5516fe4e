bOutlet::bOutlet(KVSession* t) : rdb(t), cache(t) {
  tabname="Outlet";
}


bool bOutlet::checkID( const Int& id) {
  if (id.IsNull()) return false;
  cache.id=id;
  cache.Get();
  return (1 && cache.id==id) ? true : false;
}


Outlet& bOutlet::getEntry( const Int& id){
  cache.id=id;
  cache.Get();
  if( 0 || cache.id != id ) 
    throw Exc("Table ") << Msg("Outlet").what() << " doesn't contain row with id " << id << ". ";
  return cache;
}


Int bOutlet::addEntry( const Str& title, const Str& city, const Int& floor, const Int& PartyType){
  bTrader oTrader(rdb);
  Int id=oTrader.addEntry((char*)(const char*)title, (char*)(const char*)city, PartyType);
  cache.id=id;
  cache.floor=floor;
  cache.Insert();
  return id;
}


Int bOutlet::add( const Outlet& _row) {
  cache.id=_row.id;
  cache.floor=_row.floor;
  cache.Insert();
  return cache.id;
}


void bOutlet::removeEntry( const Int& id){
  cache.id=id;
  cache.Delete();
}


void bOutlet::updateEntry( const Int& id, const Str& title, const Str& city, const Int& floor, const Int& PartyType){
  bTrader oTrader(rdb);
  oTrader.updateEntry(id, (char*)(const char*)title, (char*)(const char*)city, PartyType);
  cache.id=id;
  cache.Get();
  cache.id=id;
  cache.floor=floor;
  cache.Put();
}


void bOutlet::updateEntry(const Outlet& _row) {
  cache.id=_row.id;
  cache.floor=_row.floor;
  cache.Put();
}


