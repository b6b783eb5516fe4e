#ifndef _bTicket_h_
#define _bTicket_h_


class TicketCache : public virtual KVDomain,
  public virtual Ticket,
  public KVCache {
public:
  TicketCache(KVSession* s);
  virtual ~TicketCache();
};

class TicketArch : public virtual KVDomain,
  public virtual TicketArc,
  public KVCache {
public:
  TicketArch(KVSession* s);
  virtual ~TicketArch();
};

class bTicket {
  class shop* ths;
  Str tabname;

  TicketCache cache;
  TicketArch arc;

public:
  bTicket(class shop* t);
  ~bTicket(){}
  bool checkID( const Int& no);
  TicketArc& getArcEntry( const Int& no, const Int& UserArc, const Date& DateArc);
  TicketArc& getOldEntry( const Int& no, Int DateArc);
  Ticket& getEntry( const Int& no);
  Int addEntry( const Str& title, const Int& TicketType = isTicket);
  Int add( const Ticket& );
  void removeEntry( const Int& no);
  void updateEntry( const Int& no, const Int& TicketType = isTicket);
  void updateEntry(const Ticket&);
  void settitle( const Int& no, char* title);

// Non standard methods
  void PreFetch(){cache.PreFetch();}
  void CacheOn(){cache.CacheOn();}
  void CacheOff(){cache.CacheOff();}
  void Clear(){cache.Clear();}
  void SetReadOnly(){cache.SetReadOnly();}
};

#endif
