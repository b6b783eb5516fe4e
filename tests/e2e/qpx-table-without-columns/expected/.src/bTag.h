#ifndef _bTag_h_
#define _bTag_h_


class bTag {
  KVSession* rdb;
  Str tabname;

  TagCache cache;
public:
  bTag(KVSession* t);
  ~bTag(){}
  bool checkID();
  Tag& getEntry();
  void addEntry();
  void add( const Tag& );
  void removeEntry();

// Non standard methods
  void PreFetch(){cache.PreFetch();}
  void CacheOn(){cache.CacheOn();}
  void CacheOff(){cache.CacheOff();}
  void Clear(){cache.Clear();}
};

#endif
