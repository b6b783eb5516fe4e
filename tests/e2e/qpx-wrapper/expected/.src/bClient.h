#ifndef _bClient_h_
#define _bClient_h_


class bClient {
  KVSession* rdb;
  Str tabname;

  KVSequence ClientSequence;
  ClientCache cache;
public:
  bClient(KVSession* t);
  ~bClient(){}
  bool checkID( const Int& code);
  Client& getEntry( const Int& code);
  Int addEntry( const Str& name);
  Int add( const Client& );
  void removeEntry( const Int& code);
  void updateEntry( const Int& code, const Str& name, const Int& level);
  void updateEntry(const Client&);

// Non standard methods
  void PreFetch(){cache.PreFetch();}
  void CacheOn(){cache.CacheOn();}
  void CacheOff(){cache.CacheOff();}
  void Clear(){cache.Clear();}
  void SetReadOnly(){cache.SetReadOnly();}
};

#endif
