#ifndef _bTicket_h_
#define _bTicket_h_


class bTicket {
  KVSession* rdb;
  Str tabname;

  TicketCache cache;
public:
  bTicket(KVSession* t);
  ~bTicket(){}
  bool checkID( const Int& no);
  Ticket& getEntry( const Int& no);
  Int addEntry( const Str& title);
  Int add( const Ticket& );
  void removeEntry( const Int& no);
  void updateEntry( const Int& no, const Str& title);
  void updateEntry(const Ticket&);

// Non standard methods
  void PreFetch(){cache.PreFetch();}
  void CacheOn(){cache.CacheOn();}
  void CacheOff(){cache.CacheOff();}
  void Clear(){cache.Clear();}
  void SetReadOnly(){cache.SetReadOnly();}
};

#endif
