// scheme
class LineCache : public virtual KVDomain,
  public virtual Line,
  public KVCache {
public:
  LineCache(KVSession* s);
  virtual ~LineCache();
  LineCache& Get() { KVCache::Get(); return *this;}
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

