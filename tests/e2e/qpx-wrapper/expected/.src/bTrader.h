#ifndef _bTrader_h_
#define _bTrader_h_


class bTrader {
  KVSession* rdb;
  Str tabname;

  TraderCache cache;
public:
  bTrader(KVSession* t);
  ~bTrader(){}
  bool checkID( const Int& id);
  Trader& getEntry( const Int& id);
  Int addEntry( const Str& title, const Str& city, const Int& PartyType = isTrader);
  Int add( const Trader& );
  void removeEntry( const Int& id);
  void updateEntry( const Int& id, const Str& title, const Str& city, const Int& PartyType = isTrader);
  void updateEntry(const Trader&);

// Non standard methods
  void PreFetch(){cache.PreFetch();}
  void CacheOn(){cache.CacheOn();}
  void CacheOff(){cache.CacheOff();}
  void Clear(){cache.Clear();}
  void SetReadOnly(){cache.SetReadOnly();}
};

#endif
