#include "comm.h"
#include "filters.h"

#include "ishop.h"

extern char db_name[256];
extern int  debug_level;


void shop::RegisterMethods(const char*, const char*) {
  impl = (shop*) this;

  MethodHandler *mh = 0;

  RegisterMethod("__OrvaleExecutor", this,(void *(*)(...))&shop::__OrvaleExecutor);
  RegisterMethod("__OrvaleCompiler", this,(void *(*)(...))&shop::__OrvaleCompiler);
  RegisterMethod("__EnumValues", this,(void *(*)(...))&shop::__EnumValues);
  mh = FindMethod("__EnumValues");
  if (mh != 0) {
    mh->AddArgDesc(DP_INT,"SortNo","Sort field");
    mh->AddRetDesc(DP_INT, "ListResult", " ");
  }

  RegisterMethod("CustomerAdd", this,(void *(*)(...)) (void *(*)(class shop *,DataPacket *,unsigned))&shop::CustomerAdd);
  mh = FindMethod("CustomerAdd");
  if (mh != 0) {
    mh->AddArgDesc(DP_STRING,"name","Name");
    mh->AddArgDesc(DP_STRING,"pass","Password");

    mh->AddRetDesc( DP_INT, "ErrorMessage", " " );
  }

  RegisterMethod("Card", this,(void *(*)(...)) (void *(*)(class shop *,DataPacket *,unsigned))&shop::Card);
  mh = FindMethod("Card");
  if (mh != 0) {
    mh->AddArgDesc(DP_INT,"id","Number");

    mh->AddRetDesc( DP_INT, "ItemResult", " " );
  }

  RegisterMethod("Find", this,(void *(*)(...)) (void *(*)(class shop *,DataPacket *,unsigned))&shop::Find);
  mh = FindMethod("Find");
  if (mh != 0) {
    mh->AddArgDesc(DP_STRING,"name","Name");

    mh->AddRetDesc( DP_INT, "ItemResult", " " );
  }

  RegisterMethod("Import", this,(void *(*)(...)) (void *(*)(class shop *,DataPacket *,unsigned))&shop::Import);
  mh = FindMethod("Import");
  if (mh != 0) {

    mh->AddRetDesc( DP_INT, "ErrorMessage", " " );
  }

  RegisterMethod("Invoice", this,(void *(*)(...)) (void *(*)(class shop *,DataPacket *,unsigned))&shop::Invoice);
  mh = FindMethod("Invoice");
  if (mh != 0) {
    mh->AddArgDesc(DP_INT,"id","Number");

    mh->AddRetDesc( DP_INT, "ComplexResult", " " );
  }

  RegisterMethod("Search", this,(void *(*)(...)) (void *(*)(class shop *,DataPacket *,unsigned))&shop::Search);
  mh = FindMethod("Search");
  if (mh != 0) {
    mh->AddArgDesc(DP_STRING,"name","Name");

    mh->AddRetDesc( DP_INT, "ItemResult", " " );
  }

  RegisterMethod("CustomerUpdate", this,(void *(*)(...)) (void *(*)(class shop *,DataPacket *,unsigned))&shop::CustomerUpdate);
  mh = FindMethod("CustomerUpdate");
  if (mh != 0) {
    mh->AddArgDesc(DP_INT,"id","Number");
    mh->AddArgDesc(DP_STRING,"memo","Note \"quoted\"");

    mh->AddRetDesc( DP_INT, "ErrorMessage", " " );
  }

  RegisterMethod("Browse", this,(void *(*)(...)) (void *(*)(class shop *,DataPacket *,unsigned))&shop::Browse);
  mh = FindMethod("Browse");
  if (mh != 0) {
    mh->AddArgDesc(DP_INT,"state","State");
    mh->AddArgDesc(DP_INT,"SortNo","Integer");

    mh->AddRetDesc( DP_INT, "ListResult", " " );
  }

  RegisterMethod("Open", this,(void *(*)(...)) (void *(*)(class shop *,DataPacket *,unsigned))&shop::Open);
  mh = FindMethod("Open");
  if (mh != 0) {
    mh->AddArgDesc(DP_STRING,"day","Day");
    mh->AddArgDesc(DP_DOUBLE,"total","Total");
    mh->AddArgDesc(DP_INT,"SortNo","Integer");

    mh->AddRetDesc( DP_INT, "ListResult", " " );
  }

  RegisterMethod("Pick", this,(void *(*)(...)) (void *(*)(class shop *,DataPacket *,unsigned))&shop::Pick);
  mh = FindMethod("Pick");
  if (mh != 0) {
    mh->AddArgDesc(DP_INT,"id","Number");

    mh->AddRetDesc( DP_INT, "ItemResult", " " );
  }

}

void *shop::__EnumValues(shop *ths,DataPacket *dp,unsigned a) {
  ths->GUserID = ths->ruser;
  Result* r = 0;
  try {
    r = (Result*)ths->Begin("__EnumValues",dp,a);
    if (r) return r;
    ListResult* lr=new ListResult("Enums");
    lr->AddColumn("Type", AC_CODE);
    lr->AddColumn("Value", AC_CODE);
    lr->AddColumn("Line", AC_LTEXT);
    lr->AppendValues((int)33, (int)4, (char*)"Red");
    lr->AppendValues((int)34, (int)0, (char*)"New");
    lr->AppendValues((int)34, (int)1, (char*)"Paid");
    r=(Result*)lr;
  }
  catch(AException msg){
    ths->SetError(msg);
  }
  catch(CommException &e) {
    ths->SetError(Exc(e.what()));
  }
  catch(const char* msg){
    ths->SetError(msg);
  }
  catch(Str msg){
    ths->SetError(msg);
  }
  catch(...){
    ths->SetError(AMessage("System error. ").what());
  }
  return ths->Complete(r,EM_NO_ACTION,"shop_Object","__EnumValues",dp);
}

void *shop::__OrvaleExecutor(shop *ths,DataPacket *dp,unsigned a) {
  if( dp->size()<1 ) throw AException("Error calling script. ");
  ths->GUserID = ths->ruser;
  Result *r = 0;
  try {
    r = (Result*)ths->Begin("__OrvaleExecutor",dp,a);
    if (r) return r;
    Str file;
    *dp >> file;
    Orvale* as=Orvale::findInCache(file);
    ArgDescList& adl=as->getArgDescription();
    ArgDescList::iterator it;
    Str tmp;
    DataPacket adp(adl.size());
    int i=1;
    for(it=adl.begin(); it!=adl.end(); ++it, ++i) {
      ArgDesc& ad=*it;
      switch(dp->Type(i)) {
      case DP_STRING : {
        *dp >> tmp;
        switch(ad.type) {
        case AC_CODE :
        case 0 :
          if(tmp.IsNull()) adp << Int();
          else adp << atoi(tmp.str());
          break;
        case AC_DATE :
        case AC_WORD_DATE :
          adp << string_to_datetime(tmp, FormatDate);
          break;
        case AC_HOUR :
          adp << string_to_datetime(tmp, FormatTimeSec);
          break;
        case AC_DATE_HOUR :
          adp << string_to_datetime(tmp, FormatDateTimeSec);
          break;
        case AC_MONEY :
        case AC_ORDER_MONEY :
        case AC_WORD_MONEY :
          adp << string_to_money(tmp);
          break;
        case AC_DOUBLE :
        case AC_PERCENT :
          adp << string_to_double(tmp);
          break;
        default :
          adp << tmp;
        }
        break;
      }
      case DP_INT : {
        Int ii;
        *dp >> ii;
        adp << ii;
        break;
      }
      case DP_DOUBLE : {
        Double dd;
        *dp >> dd;
        adp << dd;
        break;
      }
      default: throw AException("Wrong parameter type Orvale. ");
      }
    }
    r=as->execute(adp);
  }
  catch(AException msg){
    ths->SetError(msg);
  }
  catch(CommException &e) {
    ths->SetError(Exc(e.what()));
  }
  catch(const char* msg){
    ths->SetError(msg);
  }
  catch(Str msg){
    ths->SetError(msg);
  }
  catch(...){
    ths->SetError(AMessage("System error. ").what());
  }
  return ths->Complete(r,EM_NO_ACTION,"shop_Object","__OrvaleExecutor",dp);
}

void *shop::__OrvaleCompiler(shop *ths,DataPacket *dp,unsigned a) {
  if( dp->size()<1 ) throw AException("Error calling script. ");
  ths->GUserID = ths->ruser;
  Result* r = 0;
  try {
    r = (Result*)ths->Begin("__OrvaleCompiler",dp,a);
    if (r) return r;
    Str file;
    *dp >> file;
    Orvale* as=Orvale::findInCache(file);
    DataPacket adp(dp->Size()-1);
    for(int i=1; i<dp->Size();++i) {
      switch(dp->Type(i)) {
      case DP_INT : {
        Int ii; *dp >> ii; adp << ii;
        break; }
      case DP_DOUBLE : {
        Double dd; *dp >> dd; adp << dd;
        break; }
      case DP_STRING : {
        Str ss; *dp >> ss; adp << ss; }
      }
    }
    r=as->compile(adp);
  }
  catch(AException msg){
    ths->SetError(msg);
  }
  catch(CommException &e) {
    ths->SetError(Exc(e.what()));
  }
  catch(const char* msg){
    ths->SetError(msg);
  }
  catch(Str msg){
    ths->SetError(msg);
  }
  catch(...){
    ths->SetError(AMessage("System error. ").what());
  }
  return ths->Complete(r,EM_NO_ACTION,"shop_Object","__OrvaleCompiler",dp);
}

void *shop::CustomerAdd(shop *ths,DataPacket *dp,unsigned a){
  Result* r = 0;
  Str    s;
  Str name;
  Str pass;
  try {
    r = (Result*)ths->Begin("CustomerAdd",dp,a);
    if(debug_level>=1) ths->PrintArgs(dp, " *");
    if (r) return r;
    Str error;
    *dp >> name;
    if(name.IsNull()) error << "Name cannot be empty. ";
    else { 
      try { checkText(name, "50%"); }
      catch(Str msg) { error << msg; }
    }
    *dp >> pass;
    if(!error.IsNull()) throw error;
    r = ths->impl->CustomerAdd((char*)(const char*)name, (char*)(const char*)pass);
  }
  catch(AException msg){
    ths->SetError(msg);
  }
  catch(CommException &e) {
    ths->SetError(Exc(e.what()));
  }
  catch(const char* msg){
    ths->SetError(msg);
  }
  catch(Str msg){
    ths->SetError(msg);
  }
  catch(...){
    ths->SetError(AMessage("System error. ").what());
  }
  void* rdp=ths->Complete(r,EM_NO_ACTION);
  if(debug_level>=1) ths->PrintResult((DataPacket*)rdp, "");
  return rdp;
}

void *shop::Card(shop *ths,DataPacket *dp,unsigned a){
  Result* r = 0;
  Str    s;
  Int id;
  try {
    r = (Result*)ths->Begin("Card",dp,a);
    if(debug_level>=1) ths->PrintArgs(dp, " ");
    if (r) return r;
    Str error;
    *dp >> id;
    if(!id.IsNull()) {
      try { checkPositive(id); }
      catch(Str msg) { error << msg; }
    }
    if(!error.IsNull()) throw error;
    r = ths->impl->Card(id);
    ((ItemResult*)r)->BeAsComplexResult();
  }
  catch(AException msg){
    ths->SetError(msg);
  }
  catch(CommException &e) {
    ths->SetError(Exc(e.what()));
  }
  catch(const char* msg){
    ths->SetError(msg);
  }
  catch(Str msg){
    ths->SetError(msg);
  }
  catch(...){
    ths->SetError(AMessage("System error. ").what());
  }
  void* rdp=ths->Complete(r,EM_NO_ACTION);
  if(debug_level>=1) ths->PrintResult((DataPacket*)rdp, "      ");
  return rdp;
}

void *shop::Find(shop *ths,DataPacket *dp,unsigned a){
  Result* r = 0;
  Str    s;
  Str name;
  try {
    r = (Result*)ths->Begin("Find",dp,a,2);
    if(debug_level>=1) ths->PrintArgs(dp, " ");
    if (r) return r;
    Str error;
    *dp >> name;
    if(name.IsNull()) error << "Name cannot be empty. ";
    else { 
      try { checkText(name, "50%"); }
      catch(Str msg) { error << msg; }
    }
    if(!error.IsNull()) throw error;
    r = ths->impl->Find((char*)(const char*)name);
  }
  catch(AException msg){
    ths->SetError(msg);
  }
  catch(CommException &e) {
    ths->SetError(Exc(e.what()));
  }
  catch(const char* msg){
    ths->SetError(msg);
  }
  catch(Str msg){
    ths->SetError(msg);
  }
  catch(...){
    ths->SetError(AMessage("System error. ").what());
  }
  void* rdp=ths->Complete(r,EM_NO_ACTION);
  if(debug_level>=1) ths->PrintResult((DataPacket*)rdp, "     ** **");
  return rdp;
}

void *shop::Import(shop *ths,DataPacket *dp,unsigned a){
  Result* r = 0;
  Str    s;
  try {
    r = (Result*)ths->Begin("Import",dp,a);
    if(debug_level>=1) ths->PrintArgs(dp, "");
    if (r) return r;
    r = ths->impl->Import( dp );
  }
  catch(AException msg){
    ths->SetError(msg);
  }
  catch(CommException &e) {
    ths->SetError(Exc(e.what()));
  }
  catch(const char* msg){
    ths->SetError(msg);
  }
  catch(Str msg){
    ths->SetError(msg);
  }
  catch(...){
    ths->SetError(AMessage("System error. ").what());
  }
  void* rdp=ths->Complete(r,EM_NO_ACTION);
  if(debug_level>=1) ths->PrintResult((DataPacket*)rdp, "");
  return rdp;
}

void *shop::Invoice(shop *ths,DataPacket *dp,unsigned a){
  Result* r = 0;
  Str    s;
  Int id;
  try {
    r = (Result*)ths->Begin("Invoice",dp,a);
    if(debug_level>=1) ths->PrintArgs(dp, " ");
    if (r) return r;
    Str error;
    *dp >> id;
    if(!id.IsNull()) {
      try { checkPositive(id); }
      catch(Str msg) { error << msg; }
    }
    if(!error.IsNull()) throw error;
    r = ths->impl->Invoice(id);
  }
  catch(AException msg){
    ths->SetError(msg);
  }
  catch(CommException &e) {
    ths->SetError(Exc(e.what()));
  }
  catch(const char* msg){
    ths->SetError(msg);
  }
  catch(Str msg){
    ths->SetError(msg);
  }
  catch(...){
    ths->SetError(AMessage("System error. ").what());
  }
  void* rdp=ths->Complete(r,EM_NO_ACTION);
  if(debug_level>=1) ths->PrintResult((DataPacket*)rdp, "");
  return rdp;
}

void *shop::Search(shop *ths,DataPacket *dp,unsigned a){
  Result* r = 0;
  Str    s;
  Str name;
  try {
    r = (Result*)ths->Begin("Search",dp,a,2);
    if(debug_level>=1) ths->PrintArgs(dp, " ");
    if (r) return r;
    Str error;
    *dp >> name;
    if(!name.IsNull()) {
      try { checkText(name, "50%"); }
      catch(Str msg) { error << msg; }
    }
    if(!error.IsNull()) throw error;
    r = ths->impl->Search((char*)(const char*)name);
  }
  catch(AException msg){
    ths->SetError(msg);
  }
  catch(CommException &e) {
    ths->SetError(Exc(e.what()));
  }
  catch(const char* msg){
    ths->SetError(msg);
  }
  catch(Str msg){
    ths->SetError(msg);
  }
  catch(...){
    ths->SetError(AMessage("System error. ").what());
  }
  void* rdp=ths->Complete(r,EM_NO_ACTION);
  if(debug_level>=1) ths->PrintResult((DataPacket*)rdp, "      ");
  return rdp;
}

void *shop::CustomerUpdate(shop *ths,DataPacket *dp,unsigned a){
  Result* r = 0;
  Str    s;
  Int id;
  Str memo;
  try {
    r = (Result*)ths->Begin("CustomerUpdate",dp,a);
    if(debug_level>=1) ths->PrintArgs(dp, " *");
    if (r) return r;
    Str error;
    *dp >> id;
    if(!id.IsNull()) {
      try { checkPositive(id); }
      catch(Str msg) { error << msg; }
    }
    *dp >> memo;
    if(!error.IsNull()) throw error;
    r = ths->impl->CustomerUpdate(id, (char*)(const char*)memo);
  }
  catch(AException msg){
    ths->SetError(msg);
  }
  catch(CommException &e) {
    ths->SetError(Exc(e.what()));
  }
  catch(const char* msg){
    ths->SetError(msg);
  }
  catch(Str msg){
    ths->SetError(msg);
  }
  catch(...){
    ths->SetError(AMessage("System error. ").what());
  }
  void* rdp=ths->Complete(r,EM_NO_ACTION);
  if(debug_level>=1) ths->PrintResult((DataPacket*)rdp, "");
  return rdp;
}

void *shop::Browse(shop *ths,DataPacket *dp,unsigned a){
  Result* r = 0;
  Str    s;
  int    flag_=0;
  Int state;
  Int SortNo;
  Int id_PK;
  try {
    r = (Result*)ths->Begin("Browse",dp,a,1);
    if(debug_level>=1) ths->PrintArgs(dp, "  ");
    if (r) return r;
    Str error;
    *dp >> state;
    *dp >> SortNo;
    if(!SortNo.IsNull()) {
      try { checkPositive(SortNo); }
      catch(Str msg) { error << msg; }
    }
    if(dp->Size()-dp->Position()>0 && dp->Type(dp->Position())) {
    *dp >> id_PK;
      if(dp->Size()-dp->Position()==0) flag_=-1;
      else flag_=-2;
    }
    if(!error.IsNull()) throw error;
    r = ths->impl->Browse(state, SortNo, id_PK);
  }
  catch(AException msg){
    ths->SetError(msg);
  }
  catch(CommException &e) {
    ths->SetError(Exc(e.what()));
  }
  catch(const char* msg){
    ths->SetError(msg);
  }
  catch(Str msg){
    ths->SetError(msg);
  }
  catch(...){
    ths->SetError(AMessage("System error. ").what());
  }
  void* rdp=ths->Complete(r,EM_NO_ACTION,"shop_Object","Browse",dp, flag_);
  if(debug_level>=1) ths->PrintResult((DataPacket*)rdp, "");
  return rdp;
}

void *shop::Open(shop *ths,DataPacket *dp,unsigned a){
  Result* r = 0;
  Str    s;
  int    flag_=0;
  Date day;
  DCurrency total;
  Int SortNo;
  Date day_PK;
  try {
    r = (Result*)ths->Begin("Open",dp,a,1|2);
    if(debug_level>=1) ths->PrintArgs(dp, "   ");
    if (r) return r;
    Str error;
    if( dp->Type(0)==DP_STRING ) {
      *dp >> s;
    if(s.IsNull()) error << "Day cannot be empty. ";
    else { 
      try { isDate(s); }
      catch(Str msg) { error << msg; }
    }
      day=string_to_datetime(s, FormatDate);
    }
    else *dp >> day;
    if( dp->Type(1)==DP_STRING ) {
      *dp >> s;
      total=string_to_money(s);
    }
    else *dp >> total;
    *dp >> SortNo;
    if(!SortNo.IsNull()) {
      try { checkPositive(SortNo); }
      catch(Str msg) { error << msg; }
    }
    if(dp->Size()-dp->Position()>0 && dp->Type(dp->Position())) {
    if( dp->Type(dp->Position())==DP_STRING ) {
      *dp >> s;
    day_PK=string_to_datetime(s, FormatDate);
    }
    else *dp >> day_PK;
      if(dp->Size()-dp->Position()==0) flag_=-1;
      else flag_=-2;
    }
    if(!error.IsNull()) throw error;
    r = ths->impl->Open(day, total, SortNo, day_PK);
  }
  catch(AException msg){
    ths->SetError(msg);
  }
  catch(CommException &e) {
    ths->SetError(Exc(e.what()));
  }
  catch(const char* msg){
    ths->SetError(msg);
  }
  catch(Str msg){
    ths->SetError(msg);
  }
  catch(...){
    ths->SetError(AMessage("System error. ").what());
  }
  void* rdp=ths->Complete(r,EM_NO_ACTION,"shop_Object","Open",dp, flag_);
  if(debug_level>=1) ths->PrintResult((DataPacket*)rdp, "");
  return rdp;
}

void *shop::Pick(shop *ths,DataPacket *dp,unsigned a){
  Result* r = 0;
  Str    s;
  int    flag_=0;
  Int id;
  Date day_PK;
  try {
    r = (Result*)ths->Begin("Pick",dp,a);
    if(debug_level>=1) ths->PrintArgs(dp, " ");
    if (r) return r;
    Str error;
    *dp >> id;
    if(!id.IsNull()) {
      try { checkPositive(id); }
      catch(Str msg) { error << msg; }
    }
    if(dp->Size()-dp->Position()>0 && dp->Type(dp->Position())) {
    if( dp->Type(dp->Position())==DP_STRING ) {
      *dp >> s;
    day_PK=string_to_datetime(s, FormatDate);
    }
    else *dp >> day_PK;
      if(dp->Size()-dp->Position()==0) flag_=-1;
      else flag_=-2;
    }
    if(!error.IsNull()) throw error;
    r = ths->impl->Pick(id, day_PK);
  }
  catch(AException msg){
    ths->SetError(msg);
  }
  catch(CommException &e) {
    ths->SetError(Exc(e.what()));
  }
  catch(const char* msg){
    ths->SetError(msg);
  }
  catch(Str msg){
    ths->SetError(msg);
  }
  catch(...){
    ths->SetError(AMessage("System error. ").what());
  }
  void* rdp=ths->Complete(r,EM_NO_ACTION);
  if(debug_level>=1) ths->PrintResult((DataPacket*)rdp, "      ");
  return rdp;
}


