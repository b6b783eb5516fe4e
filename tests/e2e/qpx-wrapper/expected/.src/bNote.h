#ifndef _bNote_h_
#define _bNote_h_


class bNote {
  KVSession* rdb;
  Str tabname;

  NoteCache cache;
public:
  bNote(KVSession* t);
  ~bNote(){}
  bool checkID( const Int& id);
  Note& getEntry( const Int& id);
  void addEntry( const Int& id, const Str& body, const Str& state, const Int& rank);
  void add( const Note& );
  void removeEntry( const Int& id);
  void updateEntry( const Int& id);
  void updateEntry(const Note&);
  void setstate( const Int& id, char* state);

// Non standard methods
  Int Recount( const Int& id);
  void Touch( const Int& id, const Str& body);
  void PreFetch(){cache.PreFetch();}
  void CacheOn(){cache.CacheOn();}
  void CacheOff(){cache.CacheOff();}
  void Clear(){cache.Clear();}
  void SetReadOnly(){cache.SetReadOnly();}
};

#endif
