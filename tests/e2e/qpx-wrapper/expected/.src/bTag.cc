bTag::bTag(KVSession* t) : rdb(t), cache(t) {
  tabname="Tag";
}


bool bTag::checkID( const Int& note, const Str& word) {
  if (note.IsNull()) return false;
  cache.note=note;
  if (word.IsNull()) return false;
  cache.word=word;
  cache.Get();
  return (1 && cache.note==note && cache.word==word) ? true : false;
}


Tag& bTag::getEntry( const Int& note, const Str& word){
  cache.note=note;
  cache.word=word;
  cache.Get();
  if( 0 || cache.note != note || cache.word != word ) 
    throw Exc("Table ") << Msg("Tag").what() << " doesn't contain row with id " << note << ", " << word << ". ";
  return cache;
}


void bTag::addEntry( const Int& note, const Str& word){
  cache.note=note;
  cache.word=word;
  cache.Insert();
}


void bTag::add( const Tag& _row) {
  cache.note=_row.note;
  cache.word=_row.word;
  cache.Insert();
}


void bTag::removeEntry( const Int& note, const Str& word){
  cache.note=note;
  cache.word=word;
  cache.Delete();
}


