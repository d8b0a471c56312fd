#include "frontend/title_menu.h"
#include "shell/startup.h"

int main() {
  startup();
  title_menu();
  return 0;
}
