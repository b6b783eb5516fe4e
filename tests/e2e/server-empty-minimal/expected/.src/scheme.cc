#include "idepot.h"
#include "scheme.h"
int is_enum_depot(int i){
  switch(i){
      return 1;
    default:
      return 0;
  }
}

const char* enum_to_string_depot(int number, int type){
  switch(type){
    default : return getTranslation("internal error");
  }
}

