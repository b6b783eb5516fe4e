// scheme
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

