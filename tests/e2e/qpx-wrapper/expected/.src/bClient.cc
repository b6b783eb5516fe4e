bClient::bClient(KVSession* t) : rdb(t), cache(t), ClientSequence(t,"Client_Sequence") {
  tabname="Client";
}


bool bClient::checkID( const Int& code) {
  if (code.IsNull()) return false;
  cache.code=code;
  cache.Get();
  return (1 && cache.code==code) ? true : false;
}


Client& bClient::getEntry( const Int& code){
  cache.code=code;
  cache.Get();
  if( 0 || cache.code != code ) 
    throw Exc("Table ") << Msg("Client").what() << " doesn't contain row with id " << code << ". ";
  return cache;
}


Int bClient::addEntry( const Str& name){
  cache.code=ClientSequence.getNext();
  cache.name=name;
  cache.level=1;
  cache.Insert();
  return cache.code;
}


Int bClient::add( const Client& _row) {
  cache.code=ClientSequence.getNext();
  cache.name=_row.name;
  cache.level=1;
  cache.Insert();
  return cache.code;
}


void bClient::removeEntry( const Int& code){
  cache.code=code;
  cache.Delete();
}


void bClient::updateEntry( const Int& code, const Str& name, const Int& level){
  cache.code=code;
  cache.Get();
  cache.code=code;
  cache.name=name;
  cache.level=level;
  cache.Put();
}


void bClient::updateEntry(const Client& _row) {
  cache.code=_row.code;
  cache.name=_row.name;
  cache.level=_row.level;
  cache.Put();
}


