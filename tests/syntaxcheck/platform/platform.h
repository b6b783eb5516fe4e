#pragma once
// A stand-in for the run-time platform that a generated application server
// is built against: the value classes, the database layer, the results, the
// transport and the server frame. It declares only the names and signatures
// the generated sources use, so that a compiler can check those sources
// (syntax, name lookup, types and overloads); nothing here is defined or runs.
// Each small header beside this one stands in for one platform header and
// includes this file.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include <list>

class Int;
class Double;
class Date;
class KVSession;
class KVCursor;
class DataPacket;

// ---------------------------------------------------------------------------
// Value classes: each may be null.

class Str {
public:
  Str();
  Str(const char* text);
  Str(const Str& other);
  Str& operator=(const Str& other);
  Str& operator=(const char* text);
  bool IsNull() const;
  const char* str() const;
  const char* GetData() const;
  int length() const;
  operator const char*() const;
  Str& operator<<(const char* text);
  Str& operator<<(const Str& text);
  Str& operator<<(char c);
  Str& operator<<(int n);
  Str& operator<<(long n);
  Str& operator<<(double d);
  Str& operator<<(const Int& n);
  Str& operator<<(const Double& d);
  Str& operator<<(const Date& d);
};
bool operator==(const Str& a, const Str& b);
bool operator==(const Str& a, const char* b);
bool operator==(const char* a, const Str& b);
bool operator!=(const Str& a, const Str& b);
bool operator!=(const Str& a, const char* b);
bool operator!=(const char* a, const Str& b);
bool operator<(const Str& a, const Str& b);
Str operator+(const Str& a, const Str& b);
Str operator+(const Str& a, const char* b);
Str operator+(const char* a, const Str& b);

// Numbers compare and compute through their plain values.
class Int {
public:
  Int();
  Int(int n);
  Int(const Int& other);
  Int& operator=(const Int& other);
  bool IsNull() const;
  operator int() const;
};

class Double {
public:
  Double();
  Double(double d);
  Double(const Double& other);
  Double& operator=(const Double& other);
  bool IsNull() const;
  operator double() const;
};

class Date {
public:
  Date();
  Date(const Date& other);
  Date& operator=(const Date& other);
  bool IsNull() const;
  operator int() const;
  const char* GetData() const;
};

class DCurrency {
public:
  DCurrency();
  DCurrency(double amount);
  DCurrency(const DCurrency& other);
  DCurrency& operator=(const DCurrency& other);
  bool IsNull() const;
  operator double() const;
  Str& Symbol();
  int& Precision();
};

class RealBlob {
public:
  RealBlob();
  RealBlob(int length, const void* bytes);
  RealBlob(const RealBlob& other);
  RealBlob& operator=(const RealBlob& other);
  bool IsNull() const;
  int Length() const;
};

class FBlob {
public:
  FBlob();
  FBlob(const FBlob& other);
  FBlob& operator=(const FBlob& other);
  bool IsNull() const;
};

// Conversions of texts received from a client.
Date string_to_datetime(const Str& text, const char* format);
DCurrency string_to_money(const Str& text);
double string_to_double(const Str& text);
extern const char* FormatDate;
extern const char* FormatTimeSec;
extern const char* FormatDateTimeSec;

// ---------------------------------------------------------------------------
// Errors and messages.

class AException {
public:
  AException();
  AException(const char* text);
  AException(const Str& text);
  AException(const AException& other);
  virtual ~AException();
  const char* what() const;
};

// An exception whose text is built with <<.
class Exc : public AException {
public:
  Exc(const char* text);
  Exc(const Str& text);
  Exc(const Exc& other);
  Exc& operator<<(const char* text);
  Exc& operator<<(const Str& text);
  Exc& operator<<(int n);
  Exc& operator<<(long n);
  Exc& operator<<(double d);
  Exc& operator<<(const Int& n);
  Exc& operator<<(const Double& d);
  Exc& operator<<(const Date& d);
};

class CommException {
public:
  virtual ~CommException();
  const char* what() const;
};

// A translated message.
class Msg {
public:
  Msg(const char* text);
  const char* what() const;
};

class AMessage {
public:
  AMessage(const char* text);
  const char* what() const;
};

const char* getTranslation(const char* text);

// ---------------------------------------------------------------------------
// Value-type codes of result columns and arguments.

enum ValueCode {
  AC_CODE = 1,
  AC_INT,
  AC_LTEXT,
  AC_STRING,
  AC_TEXT,
  AC_DATE,
  AC_WORD_DATE,
  AC_HOUR,
  AC_DATE_HOUR,
  AC_MONEY,
  AC_ORDER_MONEY,
  AC_WORD_MONEY,
  AC_DOUBLE,
  AC_PERCENT,
  AC_BLOB
};

// Flags of database columns.
enum ColumnFlag { PRIMARY_KEY = 1, AUTOINC_PK, ENCRYPT, LOCALE };

// Type codes of data-packet items.
enum PacketType { DP_NULL = 0, DP_INT, DP_DOUBLE, DP_STRING, DP_BLOB, DP_DATE, DP_MONEY };

// Actions a completed call asks of the container.
enum CompleteAction { EM_NO_ACTION = 0 };

typedef int (*is_enum_func)(int);
typedef const char* (*enum_to_string_func)(int, int);

// ---------------------------------------------------------------------------
// Transport: the data packet of a call.

class DataPacket {
public:
  DataPacket();
  DataPacket(int size);
  DataPacket(const DataPacket& other);
  int size() const;
  int Size() const;
  int Position() const;
  int Type(int index) const;
  void Reset();
  DataPacket& operator>>(Str& v);
  DataPacket& operator>>(Int& v);
  DataPacket& operator>>(int& v);
  DataPacket& operator>>(Double& v);
  DataPacket& operator>>(Date& v);
  DataPacket& operator>>(DCurrency& v);
  DataPacket& operator>>(RealBlob& v);
  DataPacket& operator>>(FBlob& v);
  DataPacket& operator<<(const Str& v);
  DataPacket& operator<<(const char* v);
  DataPacket& operator<<(const Int& v);
  DataPacket& operator<<(int v);
  DataPacket& operator<<(const Double& v);
  DataPacket& operator<<(double v);
  DataPacket& operator<<(const Date& v);
  DataPacket& operator<<(const DCurrency& v);
  DataPacket& operator<<(const RealBlob& v);
  DataPacket& operator<<(const FBlob& v);
  // The arguments of a remote call, filled from a received packet.
  DataPacket& Arguments();
  void append(const DataPacket& other);
};

// ---------------------------------------------------------------------------
// Results of server methods.

// One field of a received item result.
struct ResultValue {
  int i;
  double d;
  struct {
    double d;
    const char* symbol;
    int precision;
  } curr;
  struct {
    int len;
    char* b;
  } blob;
  struct {
    char* b;
  } dt;
};

class Result {
public:
  virtual ~Result();
};

class ItemResult : public Result {
public:
  ItemResult();
  ItemResult(const char* title);
  void BeAsErrorMessage();
  void BeAsComplexResult();
  void SetWindowID(const char* id);
  void AppendValue(const Int& v, int code, const char* name);
  void AppendValue(int v, int code, const char* name);
  void AppendValue(const Str& v, int code, const char* name);
  void AppendValue(const char* v, int code, const char* name);
  void AppendValue(const Double& v, int code, const char* name);
  void AppendValue(double v, int code, const char* name);
  void AppendValue(const Date& v, int code, const char* name);
  void AppendValue(const DCurrency& v, int code, const char* name);
  void AppendValue(const RealBlob& v, int code, const char* name);
  void AppendValue(const FBlob& v, int code, const char* name);
  ResultValue* operator[](int index);
};

class ListResult : public Result {
public:
  ListResult();
  ListResult(const char* title);
  void AddColumn(const char* title, int code, int aggregate = 0);
  void AddSubtitle(const char* text);
  void AddSubtitle(const Str& value, int code);
  void AddSubtitle(const Int& value, int code);
  void AddSubtitle(const Double& value, int code);
  void AddSubtitle(const Date& value, int code);
  void AddSubtitle(const DCurrency& value, int code);
  void AddFooter();
  void AppendValues(...);
  void CopyCursor(KVCursor& cursor);
  void Sort(const Int& column);
};

class ErrorMessage : public Result {
public:
  ErrorMessage(const char* text);
};

class ComplexResult : public Result {
public:
  ComplexResult();
};

// ---------------------------------------------------------------------------
// Database layer.

// Marks the classes a shared library exports.
#define EXPORT_MACRO

class KVAttribute;

// A condition over columns, combined with && and ||; an empty one holds always.
class KVComparison {
public:
  KVComparison();
  KVComparison(const Str& sql);
  KVComparison(const KVComparison& other);
};
KVComparison operator&&(const KVComparison& a, const KVComparison& b);
KVComparison operator||(const KVComparison& a, const KVComparison& b);

// A sort order: a column, descending when negated.
class KVOrder {
public:
  KVOrder(const KVAttribute& column);
};

// The description of one column of a domain.
class KVAttribute {
public:
  KVAttribute(const char* name, const char* title, int code);
  KVAttribute(const char* name, const char* title, int code, int flag);
  template <class Column>
  KVAttribute* Register(Column* column, class KVDomain* domain);
  KVOrder operator-() const;
  // Conditions on whether the column holds a value.
  KVComparison IsNull() const;
  KVComparison IsNotNull() const;
  // Marks the column as the side of an outer join whose rows may be missing.
  KVAttribute& operator++();
};
KVComparison operator==(const KVAttribute& a, const KVAttribute& b);
KVComparison operator!=(const KVAttribute& a, const KVAttribute& b);
KVComparison operator<(const KVAttribute& a, const KVAttribute& b);
KVComparison operator>(const KVAttribute& a, const KVAttribute& b);
KVComparison operator<=(const KVAttribute& a, const KVAttribute& b);
KVComparison operator>=(const KVAttribute& a, const KVAttribute& b);
#define TARVIC_STANDIN_COMPARISONS(T)                   \
  KVComparison operator==(const KVAttribute& a, T b);   \
  KVComparison operator!=(const KVAttribute& a, T b);   \
  KVComparison operator<(const KVAttribute& a, T b);    \
  KVComparison operator>(const KVAttribute& a, T b);    \
  KVComparison operator<=(const KVAttribute& a, T b);   \
  KVComparison operator>=(const KVAttribute& a, T b);
TARVIC_STANDIN_COMPARISONS(const Str&)
TARVIC_STANDIN_COMPARISONS(const char*)
TARVIC_STANDIN_COMPARISONS(const Int&)
TARVIC_STANDIN_COMPARISONS(int)
TARVIC_STANDIN_COMPARISONS(const Double&)
TARVIC_STANDIN_COMPARISONS(double)
TARVIC_STANDIN_COMPARISONS(const Date&)
TARVIC_STANDIN_COMPARISONS(const DCurrency&)
#undef TARVIC_STANDIN_COMPARISONS

// The count of a group.
class KVGroupAttribute {
public:
  KVGroupAttribute();
  template <class Column>
  KVGroupAttribute* Register(Column* column, class KVDomain* domain);
};

// The columns of a domain hold the value class of their kind.
class KVColumnBase {
public:
  KVColumnBase* Bind(KVAttribute* attribute);
};

class KVInt : public Int, public KVColumnBase {
public:
  KVInt();
  KVInt& operator=(const Int& v);
  KVInt& operator=(int v);
};

class KVStr : public Str, public KVColumnBase {
public:
  KVStr();
  explicit KVStr(int length);
  KVStr& operator=(const Str& v);
  KVStr& operator=(const char* v);
};

class KVDouble : public Double, public KVColumnBase {
public:
  KVDouble();
  KVDouble& operator=(const Double& v);
  KVDouble& operator=(double v);
};

class KVDate : public Date, public KVColumnBase {
public:
  KVDate();
  KVDate& operator=(const Date& v);
};

class KVCurrency : public DCurrency, public KVColumnBase {
public:
  KVCurrency();
  KVCurrency& operator=(const DCurrency& v);
};

class KVBlob : public RealBlob, public KVColumnBase {
public:
  KVBlob();
  KVBlob& operator=(const RealBlob& v);
};

// A database table or view: its name and the columns bound to it.
class KVDomain {
public:
  KVDomain(const char* name, const char* options = "");
  virtual ~KVDomain();
  void push_back(KVColumnBase* column);
  int Count;
};

// A connection to the database.
class KVSession {
public:
  KVSession(const char* database);
  Int GetInsertId();
};

// A query: the columns it projects, its condition and order.
class KVProjection {
public:
  KVProjection& operator<<(const KVAttribute& column);
};

class KVCursor {
public:
  KVCursor(KVSession* session);
  KVProjection& Project();
  void Set(const KVComparison& condition);
  void Order(const KVOrder& order);
  void Statement(const Str& sql);
  bool Fetch();
};

// Rows of one table read through a cache.
class KVSimpleCache {
public:
  KVSimpleCache(KVSession* session);
  KVSimpleCache(KVSession* session, int size);
  virtual ~KVSimpleCache();
  void Get();
  void Put();
  void Insert();
  void Delete();
  void PreFetch();
  void CacheOn();
  void CacheOff();
  void Clear();
  void SetReadOnly();
};
typedef KVSimpleCache KVCache;

// A database sequence.
class KVSequence {
public:
  KVSequence(KVSession* session, const char* name);
  Int getNext();
};

// ---------------------------------------------------------------------------
// Server frame.

class MethodHandler {
public:
  void AddArgDesc(int type, const char* name, const char* title);
  void AddRetDesc(int type, const char* name, const char* title);
};

// A served object: its methods by name and the calls in progress.
class ServerObject {
public:
  ServerObject();
  virtual ~ServerObject();
  virtual void BroadcastArrived(DataPacket& dp, unsigned a);
  void RegisterMethod(const char* name, void* object, void* (*method)(...));
  MethodHandler* FindMethod(const char* name);
  void* Begin(const char* method, DataPacket* dp, unsigned a, int flags = 0);
  void* Complete(Result* r, int action);
  void* Complete(Result* r, int action, const char* object, const char* method, DataPacket* dp, int flag = 0);
  void SetError(const AException& e);
  void SetError(const char* text);
  void SetError(const Str& text);
  void PrintArgs(DataPacket* dp, const char* indent);
  void PrintResult(DataPacket* dp, const char* indent);
  KVSession* rdb;
  Int ruser;
  Int GUserID;
  Date GUserTime;
};

// The base of every application server class: error reporting over a served object.
class ErrorManager : public ServerObject {
public:
  ErrorManager();
  virtual ~ErrorManager();
  virtual void ClearAll();
};

// A server program: up to N served objects of class T.
template <class T, int N>
class CommonServer {
public:
  CommonServer();
  void setMaxServers(int n);
  void setMaxNumberOfRequests(int n);
  void Register(const char* object);
  void Start();
  void WaitForExit();
};

class GlobalData {
public:
  void WlnPort(int port);
  void WlnHost(const char* host);
  void ContName(const char* name);
  void SetDB(const char* file);
  void UserId(int id);
  void Passwd(const char* password);
  void ProgName(const char* name);
};

class ErrorReporter {
public:
  void Channel(FILE* channel);
  void ProgName(const char* name);
};

class ErrorServer {
public:
  ErrorServer();
};

extern char db_name[256];
extern int debug_level;

// ---------------------------------------------------------------------------
// Scripts.

struct ArgDesc {
  int type;
  Str name;
};
typedef std::list<ArgDesc> ArgDescList;

class Orvale {
public:
  static Orvale* findInCache(const Str& file);
  ArgDescList& getArgDescription();
  Result* execute(DataPacket& args);
  Result* compile(DataPacket& args);
};

// ---------------------------------------------------------------------------
// Remote calls through a transaction server.

// A party of remote calls.
class CommObject {
public:
  virtual ~CommObject();
};

class TransactionServer : public CommObject {};

class TRObject {
public:
  TRObject(const Str& object, const Str& container, CommObject* server);
  DataPacket& operator[](const char* method);
};

class RemoteResult {
public:
  RemoteResult(TRObject& call);
  Result* GetMethodResult();
};

// ---------------------------------------------------------------------------
// File system.

namespace FS {
class Dir {
public:
  static bool frecreate(const Str& path);
};
}  // namespace FS
