// The two routines the compiler may emit calls to for block copies and
// clears. Kinhook.dll links no C library, so it brings its own, written so that
// the compiler does not turn them back into calls of themselves.
#include <stddef.h>

extern "C" {

__attribute__((optimize("no-tree-loop-distribute-patterns"))) void* memset(void* dest, int value, size_t n) {
  volatile unsigned char* d = static_cast<unsigned char*>(dest);
  while (n--) *d++ = static_cast<unsigned char>(value);
  return dest;
}

__attribute__((optimize("no-tree-loop-distribute-patterns"))) void* memcpy(void* dest, const void* src, size_t n) {
  volatile unsigned char* d = static_cast<unsigned char*>(dest);
  const unsigned char* s = static_cast<const unsigned char*>(src);
  while (n--) *d++ = *s++;
  return dest;
}

}
