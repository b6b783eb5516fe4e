#ifndef _bOutlet_h_
#define _bOutlet_h_


class bOutlet {
  KVSession* rdb;
  Str tabname;

  OutletCache cache;
public:
  bOutlet(KVSession* t);
  ~bOutlet(){}
  bool checkID( const Int& id);
  Outlet& getEntry( const Int& id);
  Int addEntry( const Str& title, const Str& city, const Int& floor, const Int& PartyType = isOutlet);
  Int add( const Outlet& );
  void removeEntry( const Int& id);
  void updateEntry( const Int& id, const Str& title, const Str& city, const Int& floor, const Int& PartyType = isOutlet);
  void updateEntry(const Outlet&);

// Non standard methods
  void PreFetch(){cache.PreFetch();}
  void CacheOn(){cache.CacheOn();}
  void CacheOff(){cache.CacheOff();}
  void Clear(){cache.Clear();}
  void SetReadOnly(){cache.SetReadOnly();}
};

#endif
