bSettings::bSettings(KVSession* t) : rdb(t), cache(t) {
  tabname="Settings";
}


Settings& bSettings::getEntry(){
  cache.Get();
  if( 0 ) 
    throw Exc("Table ") << Msg("Settings").what() << " doesn't contain row with id " << ". ";
  return cache;
}


void bSettings::updateEntry( const Str& currency){
  cache.Get();
  cache.currency=currency;
  cache.Put();
}


void bSettings::updateEntry(const Settings& _row) {
  cache.currency=_row.currency;
  cache.Put();
}


