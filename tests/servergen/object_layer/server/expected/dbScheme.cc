// scheme
LineCache::LineCache(KVSession* s) : KVDomain("Line"),
  Line(), KVSimpleCache(s) {}

LineCache::~LineCache() {}

TagCache::TagCache(KVSession* s) : KVDomain("Tag"),
  Tag(), KVSimpleCache(s,0) {}

TagCache::~TagCache() {}

TicketCache::TicketCache(KVSession* s) : KVDomain("Ticket"),
  Ticket(), KVSimpleCache(s) {}

TicketCache::~TicketCache() {}

