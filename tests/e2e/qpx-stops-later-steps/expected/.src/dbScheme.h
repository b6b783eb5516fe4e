class EXPORT_MACRO Note : public virtual KVDomain {
public :
  struct NoteDomain {
    KVAttribute id;
    KVAttribute body;
    KVGroupAttribute Count;
    NoteDomain();
  } Domain;
  KVInt id;
  KVString body;
  Note();
  Note(const Note&);
  virtual ~Note() {}
  NoteDomain* operator->() { return &Domain; }
  Note& operator= (const Note& );
};

typedef Note NoteKey;

class EXPORT_MACRO Tag : public virtual KVDomain {
public :
  struct TagDomain {
    KVGroupAttribute Count;
    TagDomain();
  } Domain;
  Tag();
  Tag(const Tag&);
  virtual ~Tag() {}
  TagDomain* operator->() { return &Domain; }
  Tag& operator= (const Tag& );
};

typedef Tag TagKey;

