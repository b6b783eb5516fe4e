class EXPORT_MACRO Client : public virtual KVDomain {
public :
  struct ClientDomain {
    KVAttribute code;
    KVAttribute name;
    KVAttribute level;
    KVGroupAttribute Count;
    ClientDomain();
  } Domain;
  KVInt code;
  KVStr name;
  KVInt level;
  Client();
  Client(const Client&);
  virtual ~Client() {}
  ClientDomain* operator->() { return &Domain; }
  Client& operator= (const Client& );
};

typedef Client ClientKey;

class EXPORT_MACRO Note : public virtual KVDomain {
public :
  struct NoteDomain {
    KVAttribute id;
    KVAttribute body;
    KVAttribute state;
    KVAttribute rank;
    KVGroupAttribute Count;
    NoteDomain();
  } Domain;
  KVInt id;
  KVStr body;
  KVStr state;
  KVInt rank;
  Note();
  Note(const Note&);
  virtual ~Note() {}
  NoteDomain* operator->() { return &Domain; }
  Note& operator= (const Note& );
};

typedef Note NoteKey;

class EXPORT_MACRO Outlet : public virtual KVDomain {
public :
  struct OutletDomain {
    KVAttribute id;
    KVAttribute floor;
    KVGroupAttribute Count;
    OutletDomain();
  } Domain;
  KVInt id;
  KVInt floor;
  Outlet();
  Outlet(const Outlet&);
  virtual ~Outlet() {}
  OutletDomain* operator->() { return &Domain; }
  Outlet& operator= (const Outlet& );
};

typedef Outlet OutletKey;

class EXPORT_MACRO Party : public virtual KVDomain {
public :
  struct PartyDomain {
    KVAttribute id;
    KVAttribute title;
    KVAttribute PartyType;
    KVGroupAttribute Count;
    PartyDomain();
  } Domain;
  KVInt id;
  KVStr title;
  KVInt PartyType;
  Party();
  Party(const Party&);
  virtual ~Party() {}
  PartyDomain* operator->() { return &Domain; }
  Party& operator= (const Party& );
};

typedef Party PartyKey;

class EXPORT_MACRO Settings : public virtual KVDomain {
public :
  struct SettingsDomain {
    KVAttribute currency;
    KVGroupAttribute Count;
    SettingsDomain();
  } Domain;
  KVStr currency;
  Settings();
  Settings(const Settings&);
  virtual ~Settings() {}
  SettingsDomain* operator->() { return &Domain; }
  Settings& operator= (const Settings& );
};

typedef Settings SettingsKey;

class EXPORT_MACRO Tag : public virtual KVDomain {
public :
  struct TagDomain {
    KVAttribute note;
    KVAttribute word;
    KVGroupAttribute Count;
    TagDomain();
  } Domain;
  KVInt note;
  KVStr word;
  Tag();
  Tag(const Tag&);
  virtual ~Tag() {}
  TagDomain* operator->() { return &Domain; }
  Tag& operator= (const Tag& );
};

typedef Tag TagKey;

class EXPORT_MACRO Ticket : public virtual KVDomain {
public :
  struct TicketDomain {
    KVAttribute no;
    KVAttribute title;
    KVGroupAttribute Count;
    TicketDomain();
  } Domain;
  KVInt no;
  KVStr title;
  Ticket();
  Ticket(const Ticket&);
  virtual ~Ticket() {}
  TicketDomain* operator->() { return &Domain; }
  Ticket& operator= (const Ticket& );
};

typedef Ticket TicketKey;

class EXPORT_MACRO Trader : public virtual KVDomain {
public :
  struct TraderDomain {
    KVAttribute id;
    KVAttribute city;
    KVGroupAttribute Count;
    TraderDomain();
  } Domain;
  KVInt id;
  KVStr city;
  Trader();
  Trader(const Trader&);
  virtual ~Trader() {}
  TraderDomain* operator->() { return &Domain; }
  Trader& operator= (const Trader& );
};

typedef Trader TraderKey;

class ClientCache : public virtual KVDomain,
  public virtual Client,
  public KVCache {
public:
  ClientCache(KVSession* s);
  virtual ~ClientCache();
  ClientCache& Get() { KVCache::Get(); return *this;}
};

class ClientSequence : public KVSequence {
public:
ClientSequence(KVSession* s) : KVSequence(s, "Client_Sequence") {}
};
class NoteCache : public virtual KVDomain,
  public virtual Note,
  public KVCache {
public:
  NoteCache(KVSession* s);
  virtual ~NoteCache();
  NoteCache& Get() { KVCache::Get(); return *this;}
};

class OutletCache : public virtual KVDomain,
  public virtual Outlet,
  public KVCache {
public:
  OutletCache(KVSession* s);
  virtual ~OutletCache();
  OutletCache& Get() { KVCache::Get(); return *this;}
};

class PartyCache : public virtual KVDomain,
  public virtual Party,
  public KVCache {
public:
  PartyCache(KVSession* s);
  virtual ~PartyCache();
  PartyCache& Get() { KVCache::Get(); return *this;}
};

class PartySequence : public KVSequence {
public:
PartySequence(KVSession* s) : KVSequence(s, "Party_Sequence") {}
};
class SettingsCache : public virtual KVDomain,
  public virtual Settings,
  public KVCache {
public:
  SettingsCache(KVSession* s);
  virtual ~SettingsCache();
  SettingsCache& Get() { KVCache::Get(); return *this;}
};

class TagCache : public virtual KVDomain,
  public virtual Tag,
  public KVCache {
public:
  TagCache(KVSession* s);
  virtual ~TagCache();
  TagCache& Get() { KVCache::Get(); return *this;}
};

class TicketCache : public virtual KVDomain,
  public virtual Ticket,
  public KVCache {
public:
  TicketCache(KVSession* s);
  virtual ~TicketCache();
  TicketCache& Get() { KVCache::Get(); return *this;}
};

class TraderCache : public virtual KVDomain,
  public virtual Trader,
  public KVCache {
public:
  TraderCache(KVSession* s);
  virtual ~TraderCache();
  TraderCache& Get() { KVCache::Get(); return *this;}
};

