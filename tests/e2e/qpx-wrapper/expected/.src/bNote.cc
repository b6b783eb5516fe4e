bNote::bNote(KVSession* t) : rdb(t), cache(t) {
  tabname="Note";
}


bool bNote::checkID( const Int& id) {
  if (id.IsNull()) return false;
  cache.id=id;
  cache.Get();
  return (1 && cache.id==id) ? true : false;
}


Note& bNote::getEntry( const Int& id){
  cache.id=id;
  cache.Get();
  if( 0 || cache.id != id ) 
    throw Exc("Table ") << Msg("Note \"N\" \\ 1").what() << " doesn't contain row with id " << id << ". ";
  return cache;
}


void bNote::addEntry( const Int& id, const Str& body, const Str& state, const Int& rank){
  cache.id=id;
  cache.body=body;
  cache.state=state;
  cache.rank=rank;
  cache.Insert();
}


void bNote::add( const Note& _row) {
  cache.id=_row.id;
  cache.body=_row.body;
  cache.state=_row.state;
  cache.rank=_row.rank;
  cache.Insert();
}


void bNote::setstate( const Int& id, char* state) {
  cache.id=id;
  cache.Get();
  cache.state = state;
  cache.Put();
}

void bNote::removeEntry( const Int& id){
  cache.id=id;
  cache.Delete();
}


void bNote::updateEntry( const Int& id){
  cache.id=id;
  cache.Get();
  cache.id=id;
  cache.body="none";
  cache.Put();
}


void bNote::updateEntry(const Note& _row) {
  cache.id=_row.id;
  cache.body=_row.body;
  cache.state=_row.state;
  cache.rank=_row.rank;
  cache.Put();
}


