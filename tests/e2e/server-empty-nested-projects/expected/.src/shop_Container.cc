#include "comm.h"
#include "filters.h"

#include "ishop.h"

extern char db_name[256];
extern int  debug_level;

Str base;
Str core;

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

  RegisterMethod("SaleAdd", this,(void *(*)(...)) (void *(*)(class shop *,DataPacket *,unsigned))&shop::SaleAdd);
  mh = FindMethod("SaleAdd");
  if (mh != 0) {
    mh->AddArgDesc(DP_INT,"id","Number");

    mh->AddRetDesc( DP_INT, "ErrorMessage", " " );
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
    lr->AppendValues((int)33, (int)1, (char*)"Low");
    lr->AppendValues((int)34, (int)1, (char*)"Piece");
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

void *shop::SaleAdd(shop *ths,DataPacket *dp,unsigned a){
  Result* r = 0;
  Str    s;
  Int id;
  try {
    r = (Result*)ths->Begin("SaleAdd",dp,a);
    if(debug_level>=1) ths->PrintArgs(dp, " ");
    if (r) return r;
    Str error;
    *dp >> id;
    if(!error.IsNull()) throw error;
    r = ths->impl->SaleAdd(id);
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


