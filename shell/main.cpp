#include "shell/startup.h"

int main(int argc, char** argv) {
  return quorvan::ProcessEntry(argc, argv);
}
