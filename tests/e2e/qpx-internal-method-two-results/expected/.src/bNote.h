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
  void addEntry( const Int& id, const Int& rank);
  void add( const Note& );
  void removeEntry( const Int& id);
  void updateEntry( const Int& id, const Int& rank);
  void updateEntry(const Note&);

// Non standard methods
