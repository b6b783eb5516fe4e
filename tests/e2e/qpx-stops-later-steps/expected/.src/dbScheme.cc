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

