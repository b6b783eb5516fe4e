#ifndef _bLine_h_
#define _bLine_h_


class LineCache : public virtual KVDomain,
  public virtual Line,
  public KVCache {
public:
  LineCache(KVSession* s);
  virtual ~LineCache();
};

class LineArch : public virtual KVDomain,
  public virtual LineArc,
  public KVCache {
public:
  LineArch(KVSession* s);
  virtual ~LineArch();
};

class bLine {
  class shop* ths;
  Str tabname;

  LineCache cache;
  LineArch arc;

public:
  bLine(class shop* t);
  ~bLine(){}
  bool checkID( const Int& no);
  LineArc& getArcEntry( const Int& no, const Int& UserArc, const Date& DateArc);
  LineArc& getOldEntry( const Int& no, Int DateArc);
  Line& getEntry( const Int& no);
  Int addEntry( const Str& title, const Int& qty, const Int& TicketType = isLine);
  Int add( const Line& );
  void removeEntry( const Int& no);
  void updateEntry( const Int& no, const Int& qty, const Int& TicketType = isLine);
  void updateEntry(const Line&);

// Non standard methods
  void PreFetch(){cache.PreFetch();}
  void CacheOn(){cache.CacheOn();}
  void CacheOff(){cache.CacheOff();}
  void Clear(){cache.Clear();}
  void SetReadOnly(){cache.SetReadOnly();}
};

#endif
