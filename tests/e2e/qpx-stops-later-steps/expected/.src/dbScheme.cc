Note :: NoteDomain :: NoteDomain()
: id("id", "Number", AC_INT, PRIMARY_KEY )
, body("body", "Text", AC_STRING )
{};

Note& Note :: operator= (const Note& copy ) {
  id=copy.id;
  body=copy.body;
  return *this;
};

Note :: Note() : KVDomain("Note", " "), body(40)
{
  push_back(id.Bind(Domain.id.Register(&id,this)));
  push_back(body.Bind(Domain.body.Register(&body,this)));
  Domain.Count.Register(&Count,this);
};

Note :: Note(const Note& copy) : KVDomain("Note", " "), body(40)
{
  push_back(id.Bind(Domain.id.Register(&id,this)));
  id=copy.id;
  push_back(body.Bind(Domain.body.Register(&body,this)));
  body=copy.body;
  Domain.Count.Register(&Count,this);
};

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

