Tag :: TagDomain :: TagDomain()
{};

Tag& Tag :: operator= (const Tag& copy ) {
  return *this;
};

Tag :: Tag() : KVDomain("Tag", " ")
{
  Domain.Count.Register(&Count,this);
};

Tag :: Tag(const Tag& copy) : KVDomain("Tag", " ")
{
  Domain.Count.Register(&Count,this);
};

TagCache::TagCache(KVSession* s) : KVDomain("Tag"),
  Tag(), KVSimpleCache(s) {}

TagCache::~TagCache() {}

