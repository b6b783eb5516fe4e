#include "ishop.h"
#include "scheme.h"
int is_enum_shop(int i){
  switch(i){
    case AC_Colour :
    case AC_State :
      return 1;
    default:
      return 0;
  }
}

const char* enum_to_string_shop(int number, int type){
  switch(type){
    case AC_Colour :
      switch(number){
        case 4: return getTranslation("Red");
        default : return getTranslation("Internal error");
      }
    case AC_State :
      switch(number){
        case 0: return getTranslation("New");
        case 1: return getTranslation("Paid");
        default : return getTranslation("Internal error");
      }
    default : return getTranslation("internal error");
  }
}

