#ifndef _bSettings_h_
#define _bSettings_h_


class bSettings {
  KVSession* rdb;
  Str tabname;

  SettingsCache cache;
public:
  bSettings(KVSession* t);
  ~bSettings(){}
  Settings& getEntry();
  void updateEntry( const Str& currency);
  void updateEntry(const Settings&);

// Non standard methods
  void Clear(){cache.Clear();}
};

#endif
