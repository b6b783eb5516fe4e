Client :: ClientDomain :: ClientDomain()
: code("code", "Code", AC_INT, PRIMARY_KEY )
, name("name", "Name", AC_STRING )
, level("level", "Level", AC_INT )
{};

Client& Client :: operator= (const Client& copy ) {
  code=copy.code;
  name=copy.name;
  level=copy.level;
  return *this;
};

Client :: Client() : KVDomain("Client", " "), name(40)
{
  push_back(code.Bind(Domain.code.Register(&code,this)));
  push_back(name.Bind(Domain.name.Register(&name,this)));
  push_back(level.Bind(Domain.level.Register(&level,this)));
  Domain.Count.Register(&Count,this);
};

Client :: Client(const Client& copy) : KVDomain("Client", " "), name(40)
{
  push_back(code.Bind(Domain.code.Register(&code,this)));
  code=copy.code;
  push_back(name.Bind(Domain.name.Register(&name,this)));
  name=copy.name;
  push_back(level.Bind(Domain.level.Register(&level,this)));
  level=copy.level;
  Domain.Count.Register(&Count,this);
};

Note :: NoteDomain :: NoteDomain()
: id("id", "Integer", AC_INT, PRIMARY_KEY )
, body("body", "Body", AC_STRING )
, state("state", "State", AC_STRING )
, rank("rank", "Rank", AC_INT )
{};

Note& Note :: operator= (const Note& copy ) {
  id=copy.id;
  body=copy.body;
  state=copy.state;
  rank=copy.rank;
  return *this;
};

Note :: Note() : KVDomain("Note", " "), body(40), state(40)
{
  push_back(id.Bind(Domain.id.Register(&id,this)));
  push_back(body.Bind(Domain.body.Register(&body,this)));
  push_back(state.Bind(Domain.state.Register(&state,this)));
  push_back(rank.Bind(Domain.rank.Register(&rank,this)));
  Domain.Count.Register(&Count,this);
};

Note :: Note(const Note& copy) : KVDomain("Note", " "), body(40), state(40)
{
  push_back(id.Bind(Domain.id.Register(&id,this)));
  id=copy.id;
  push_back(body.Bind(Domain.body.Register(&body,this)));
  body=copy.body;
  push_back(state.Bind(Domain.state.Register(&state,this)));
  state=copy.state;
  push_back(rank.Bind(Domain.rank.Register(&rank,this)));
  rank=copy.rank;
  Domain.Count.Register(&Count,this);
};

Outlet :: OutletDomain :: OutletDomain()
: id("id", "Trader Number", AC_INT, PRIMARY_KEY )
, floor("floor", "Floor", AC_INT )
{};

Outlet& Outlet :: operator= (const Outlet& copy ) {
  id=copy.id;
  floor=copy.floor;
  return *this;
};

Outlet :: Outlet() : KVDomain("Outlet", " ")
{
  push_back(id.Bind(Domain.id.Register(&id,this)));
  push_back(floor.Bind(Domain.floor.Register(&floor,this)));
  Domain.Count.Register(&Count,this);
};

Outlet :: Outlet(const Outlet& copy) : KVDomain("Outlet", " ")
{
  push_back(id.Bind(Domain.id.Register(&id,this)));
  id=copy.id;
  push_back(floor.Bind(Domain.floor.Register(&floor,this)));
  floor=copy.floor;
  Domain.Count.Register(&Count,this);
};

Party :: PartyDomain :: PartyDomain()
: id("id", "Number", AC_INT, PRIMARY_KEY )
, title("title", "Title", AC_STRING )
, PartyType("PartyType", "Type", AC_INT )
{};

Party& Party :: operator= (const Party& copy ) {
  id=copy.id;
  title=copy.title;
  PartyType=copy.PartyType;
  return *this;
};

Party :: Party() : KVDomain("Party", " "), title(40)
{
  push_back(id.Bind(Domain.id.Register(&id,this)));
  push_back(title.Bind(Domain.title.Register(&title,this)));
  push_back(PartyType.Bind(Domain.PartyType.Register(&PartyType,this)));
  Domain.Count.Register(&Count,this);
};

Party :: Party(const Party& copy) : KVDomain("Party", " "), title(40)
{
  push_back(id.Bind(Domain.id.Register(&id,this)));
  id=copy.id;
  push_back(title.Bind(Domain.title.Register(&title,this)));
  title=copy.title;
  push_back(PartyType.Bind(Domain.PartyType.Register(&PartyType,this)));
  PartyType=copy.PartyType;
  Domain.Count.Register(&Count,this);
};

Settings :: SettingsDomain :: SettingsDomain()
: currency("currency", "Currency", AC_STRING )
{};

Settings& Settings :: operator= (const Settings& copy ) {
  currency=copy.currency;
  return *this;
};

Settings :: Settings() : KVDomain("Settings", " "), currency(40)
{
  push_back(currency.Bind(Domain.currency.Register(&currency,this)));
  Domain.Count.Register(&Count,this);
};

Settings :: Settings(const Settings& copy) : KVDomain("Settings", " "), currency(40)
{
  push_back(currency.Bind(Domain.currency.Register(&currency,this)));
  currency=copy.currency;
  Domain.Count.Register(&Count,this);
};

Tag :: TagDomain :: TagDomain()
: note("note", "Integer", AC_INT, PRIMARY_KEY )
, word("word", "Text", AC_STRING, PRIMARY_KEY )
{};

Tag& Tag :: operator= (const Tag& copy ) {
  note=copy.note;
  word=copy.word;
  return *this;
};

Tag :: Tag() : KVDomain("Tag", " "), word(40)
{
  push_back(note.Bind(Domain.note.Register(&note,this)));
  push_back(word.Bind(Domain.word.Register(&word,this)));
  Domain.Count.Register(&Count,this);
};

Tag :: Tag(const Tag& copy) : KVDomain("Tag", " "), word(40)
{
  push_back(note.Bind(Domain.note.Register(&note,this)));
  note=copy.note;
  push_back(word.Bind(Domain.word.Register(&word,this)));
  word=copy.word;
  Domain.Count.Register(&Count,this);
};

Ticket :: TicketDomain :: TicketDomain()
: no("no", "Number", AC_INT, AUTOINC_PK )
, title("title", "Title", AC_STRING )
{};

Ticket& Ticket :: operator= (const Ticket& copy ) {
  no=copy.no;
  title=copy.title;
  return *this;
};

Ticket :: Ticket() : KVDomain("Ticket", " "), title(40)
{
  push_back(no.Bind(Domain.no.Register(&no,this)));
  push_back(title.Bind(Domain.title.Register(&title,this)));
  Domain.Count.Register(&Count,this);
};

Ticket :: Ticket(const Ticket& copy) : KVDomain("Ticket", " "), title(40)
{
  push_back(no.Bind(Domain.no.Register(&no,this)));
  no=copy.no;
  push_back(title.Bind(Domain.title.Register(&title,this)));
  title=copy.title;
  Domain.Count.Register(&Count,this);
};

Trader :: TraderDomain :: TraderDomain()
: id("id", "Party Number", AC_INT, PRIMARY_KEY )
, city("city", "City", AC_STRING )
{};

Trader& Trader :: operator= (const Trader& copy ) {
  id=copy.id;
  city=copy.city;
  return *this;
};

Trader :: Trader() : KVDomain("Trader", " "), city(40)
{
  push_back(id.Bind(Domain.id.Register(&id,this)));
  push_back(city.Bind(Domain.city.Register(&city,this)));
  Domain.Count.Register(&Count,this);
};

Trader :: Trader(const Trader& copy) : KVDomain("Trader", " "), city(40)
{
  push_back(id.Bind(Domain.id.Register(&id,this)));
  id=copy.id;
  push_back(city.Bind(Domain.city.Register(&city,this)));
  city=copy.city;
  Domain.Count.Register(&Count,this);
};

ClientCache::ClientCache(KVSession* s) : KVDomain("Client"),
  Client(), KVSimpleCache(s) {}

ClientCache::~ClientCache() {}

NoteCache::NoteCache(KVSession* s) : KVDomain("Note"),
  Note(), KVSimpleCache(s) {}

NoteCache::~NoteCache() {}

OutletCache::OutletCache(KVSession* s) : KVDomain("Outlet"),
  Outlet(), KVSimpleCache(s) {}

OutletCache::~OutletCache() {}

PartyCache::PartyCache(KVSession* s) : KVDomain("Party"),
  Party(), KVSimpleCache(s) {}

PartyCache::~PartyCache() {}

SettingsCache::SettingsCache(KVSession* s) : KVDomain("Settings"),
  Settings(), KVSimpleCache(s) {}

SettingsCache::~SettingsCache() {}

TagCache::TagCache(KVSession* s) : KVDomain("Tag"),
  Tag(), KVSimpleCache(s,0) {}

TagCache::~TagCache() {}

TicketCache::TicketCache(KVSession* s) : KVDomain("Ticket"),
  Ticket(), KVSimpleCache(s) {}

TicketCache::~TicketCache() {}

TraderCache::TraderCache(KVSession* s) : KVDomain("Trader"),
  Trader(), KVSimpleCache(s) {}

TraderCache::~TraderCache() {}

