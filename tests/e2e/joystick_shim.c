/* A gamepad for machines without one. Preloaded into the game, it answers
 * the Linux joystick queries the library makes of the device named in
 * allegro.cfg, a FIFO the test writes js_event records into: a version, two
 * axes, four buttons. Every other ioctl goes to the C library. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <linux/joystick.h>
#include <stdarg.h>
#include <stdint.h>
#include <string.h>
#include <sys/ioctl.h>
#include <sys/stat.h>

int ioctl(int fd, unsigned long request, ...) {
    va_list args;
    va_start(args, request);
    void* arg = va_arg(args, void*);
    va_end(args);

    static int (*real_ioctl)(int, unsigned long, ...);
    if (!real_ioctl) real_ioctl = (int (*)(int, unsigned long, ...))dlsym(RTLD_NEXT, "ioctl");
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISFIFO(st.st_mode)) return real_ioctl(fd, request, arg);

    if (request == JSIOCGVERSION) {
        *(uint32_t*)arg = JS_VERSION;
        return 0;
    }
    if (request == JSIOCGAXES) {
        *(uint8_t*)arg = 2;
        return 0;
    }
    if (request == JSIOCGBUTTONS) {
        *(uint8_t*)arg = 4;
        return 0;
    }
    if (_IOC_TYPE(request) == 'j' && _IOC_NR(request) == _IOC_NR(JSIOCGNAME(0))) {
        const char name[] = "test pad";
        size_t size = _IOC_SIZE(request);
        if (size > sizeof name) size = sizeof name;
        memcpy(arg, name, size);
        return (int)size;
    }
    return real_ioctl(fd, request, arg);
}
