#include "ishop.h"
#include "scheme.h"
int is_enum_shop(int i){
  switch(i){
    case AC_Grade :
    case AC_Unit :
      return 1;
    default:
      return 0;
  }
}

const char* enum_to_string_shop(int number, int type){
  switch(type){
    case AC_Grade :
      switch(number){
        case 1: return getTranslation("Low");
        default : return getTranslation("Internal error");
      }
    case AC_Unit :
      switch(number){
        case 1: return getTranslation("Piece");
        default : return getTranslation("Internal error");
      }
    default : return getTranslation("internal error");
  }
}

