#include "ishop.h"
#include "scheme.h"
int is_enum_shop(int i){
  switch(i){
    case AC_Colour :
    case AC_Size :
      return 1;
    default:
      return 0;
  }
}

const char* enum_to_string_shop(int number, int type){
  switch(type){
    case AC_Colour :
      switch(number){
        case 0: return getTranslation("None");
        case 1: return getTranslation("Red");
        default : return getTranslation("Internal error");
      }
    case AC_Size :
      switch(number){
        case 2: return getTranslation("Large");
        case 0: return getTranslation("None");
        default : return getTranslation("Internal error");
      }
    default : return getTranslation("internal error");
  }
}

