class EXPORT_MACRO Tag : public virtual KVDomain {
public :
  struct TagDomain {
    KVGroupAttribute Count;
    TagDomain();
  } Domain;
  Tag();
  Tag(const Tag&);
  virtual ~Tag() {}
  TagDomain* operator->() { return &Domain; }
  Tag& operator= (const Tag& );
};

typedef Tag TagKey;

class TagCache : public virtual KVDomain,
  public virtual Tag,
  public KVCache {
public:
  TagCache(KVSession* s);
  virtual ~TagCache();
  TagCache& Get() { KVCache::Get(); return *this;}
};

