#ifndef _bTag_h_
#define _bTag_h_


class bTag {
  KVSession* rdb;
  Str tabname;

  TagCache cache;
public:
  bTag(KVSession* t);
  ~bTag(){}
  bool checkID( const Int& note, const Str& word);
  Tag& getEntry( const Int& note, const Str& word);
  void addEntry( const Int& note, const Str& word);
  void add( const Tag& );
  void removeEntry( const Int& note, const Str& word);

// Non standard methods
  void PreFetch(){cache.PreFetch();}
  void CacheOn(){cache.CacheOn();}
  void CacheOff(){cache.CacheOff();}
  void Clear(){cache.Clear();}
};

#endif
