bTag::bTag(KVSession* t) : rdb(t), cache(t) {
  tabname="Tag";
}


bool bTag::checkID() {
  cache.Get();
  return (1) ? true : false;
}


Tag& bTag::getEntry(){
  cache.Get();
  if( 0 ) 
    throw Exc("Table ") << Msg("Tag").what() << " doesn't contain row with id " << ". ";
  return cache;
}


void bTag::addEntry(){
  cache.Insert();
}


void bTag::add( const Tag& _row) {
  cache.Insert();
}


void bTag::removeEntry(){
  cache.Delete();
}


