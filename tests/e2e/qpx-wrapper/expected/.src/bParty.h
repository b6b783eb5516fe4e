#ifndef _bParty_h_
#define _bParty_h_


class bParty {
  KVSession* rdb;
  Str tabname;

  KVSequence PartySequence;
  PartyCache cache;
public:
  bParty(KVSession* t);
  ~bParty(){}
  bool checkID( const Int& id);
  Party& getEntry( const Int& id);
  Int addEntry( const Str& title, const Int& PartyType = isParty);
  Int add( const Party& );
  void removeEntry( const Int& id);
  void updateEntry( const Int& id, const Str& title, const Int& PartyType = isParty);
  void updateEntry(const Party&);

// Non standard methods
  void PreFetch(){cache.PreFetch();}
  void CacheOn(){cache.CacheOn();}
  void CacheOff(){cache.CacheOff();}
  void Clear(){cache.Clear();}
  void SetReadOnly(){cache.SetReadOnly();}
};

#endif
