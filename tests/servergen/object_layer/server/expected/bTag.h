#ifndef _bTag_h_
#define _bTag_h_


class TagCache : public virtual KVDomain,
  public virtual Tag,
  public KVCache {
public:
  TagCache(KVSession* s);
  virtual ~TagCache();
};

class TagArch : public virtual KVDomain,
  public virtual TagArc,
  public KVCache {
public:
  TagArch(KVSession* s);
  virtual ~TagArch();
};

class bTag {
  class shop* ths;
  Str tabname;

  TagCache cache;
  TagArch arc;

public:
  bTag(class shop* t);
  ~bTag(){}
  bool checkID( const Int& note);
  TagArc& getArcEntry( const Int& note, const Int& UserArc, const Date& DateArc);
  TagArc& getOldEntry( const Int& note, Int DateArc);
  Tag& getEntry( const Int& note);
  void addEntry( const Int& note);
  void add( const Tag& );
  void removeEntry( const Int& note);
  void updateEntry( const Int& note);
  void updateEntry(const Tag&);

// Non standard methods
  void PreFetch(){cache.PreFetch();}
  void CacheOn(){cache.CacheOn();}
  void CacheOff(){cache.CacheOff();}
  void Clear(){cache.Clear();}
  void SetReadOnly(){cache.SetReadOnly();}
};

#endif
