// scheme
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

