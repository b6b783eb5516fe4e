bParty::bParty(KVSession* t) : rdb(t), cache(t), PartySequence(t,"Party_Sequence") {
  tabname="Party";
}


bool bParty::checkID( const Int& id) {
  if (id.IsNull()) return false;
  cache.id=id;
  cache.Get();
  return (1 && cache.id==id) ? true : false;
}


Party& bParty::getEntry( const Int& id){
  cache.id=id;
  cache.Get();
  if( 0 || cache.id != id ) 
    throw Exc("Table ") << Msg("Party").what() << " doesn't contain row with id " << id << ". ";
  return cache;
}


Int bParty::addEntry( const Str& title, const Int& PartyType){
  cache.id=PartySequence.getNext();
  cache.title=title;
  cache.PartyType=PartyType;
  cache.Insert();
  return cache.id;
}


Int bParty::add( const Party& _row) {
  cache.id=PartySequence.getNext();
  cache.title=_row.title;
  cache.PartyType=_row.PartyType;
  cache.Insert();
  return cache.id;
}


void bParty::removeEntry( const Int& id){
  cache.id=id;
  cache.Delete();
}


void bParty::updateEntry( const Int& id, const Str& title, const Int& PartyType){
  cache.id=id;
  cache.Get();
  cache.id=id;
  cache.title=title;
  cache.PartyType=PartyType;
  cache.Put();
}


void bParty::updateEntry(const Party& _row) {
  cache.id=_row.id;
  cache.title=_row.title;
  cache.PartyType=_row.PartyType;
  cache.Put();
}


