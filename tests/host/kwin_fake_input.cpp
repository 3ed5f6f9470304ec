// Real input for the Plasma tests, through KWin's fake-input interface: the
// pointer moved absolutely (as a tablet or a virtual machine's pointer moves
// it, with no relative motion), its left button, and a finger on the screen.
// Each step is handled by KWin before the next is sent.
//
//   kwin_fake_input move X Y | press | release | touch-down X Y |
//                   touch-move X Y | touch-up | keys CODE+CODE… |
//                   until FILE …
//
// KWin gives the seat a pointer and a touch screen only while a fake-input
// client is connected, and clients take them anew each time: "until FILE"
// keeps this one connected (ten minutes at most) until FILE exists, so that
// the steps of other runs reach clients that already hold them.
// "keys" holds down the evdev key codes in turn and lets them go in reverse
// (keys 125+32 is Meta+D).
//
// Exits 1 when KWin offers no fake input (or not touch, when touch is
// asked), 2 on a step it cannot read.
#include <linux/input-event-codes.h>
#include <unistd.h>
#include <wayland-client.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "fake-input-client-protocol.h"

namespace {

org_kde_kwin_fake_input* fake = nullptr;
uint32_t fakeVersion = 0;

void global(void*, wl_registry* registry, uint32_t name, const char* interface, uint32_t version) {
    if (std::strcmp(interface, org_kde_kwin_fake_input_interface.name) == 0 && fake == nullptr) {
        fakeVersion = version < 4 ? version : 4;
        fake = static_cast<org_kde_kwin_fake_input*>(
            wl_registry_bind(registry, name, &org_kde_kwin_fake_input_interface, fakeVersion));
    }
}

const wl_registry_listener kRegistry = {global, [](void*, wl_registry*, uint32_t) {}};

}  // namespace

int main(int argc, char** argv) {
    wl_display* display = wl_display_connect(nullptr);
    if (display == nullptr) {
        std::fputs("kwin_fake_input: no Wayland display\n", stderr);
        return 1;
    }
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &kRegistry, nullptr);
    wl_display_roundtrip(display);
    if (fake == nullptr || fakeVersion < 3) {
        std::fputs("kwin_fake_input: the compositor offers no absolute fake input\n", stderr);
        return 1;
    }
    org_kde_kwin_fake_input_authenticate(fake, "solvane tests", "drives the widget host");
    for (int i = 1; i < argc; ++i) {
        const std::string step = argv[i];
        const bool point = step == "move" || step == "touch-down" || step == "touch-move";
        const bool named = step == "keys" || step == "until";
        if ((point && i + 2 >= argc) || (named && i + 1 >= argc)) {
            return 2;
        }
        const wl_fixed_t x = point ? wl_fixed_from_int(std::atoi(argv[i + 1])) : 0;
        const wl_fixed_t y = point ? wl_fixed_from_int(std::atoi(argv[i + 2])) : 0;
        if (step == "move") {
            org_kde_kwin_fake_input_pointer_motion_absolute(fake, x, y);
        } else if (step == "press" || step == "release") {
            org_kde_kwin_fake_input_button(fake, BTN_LEFT, step == "press" ? 1 : 0);
        } else if (step == "touch-down") {
            org_kde_kwin_fake_input_touch_down(fake, 0, x, y);
            org_kde_kwin_fake_input_touch_frame(fake);
        } else if (step == "touch-move") {
            org_kde_kwin_fake_input_touch_motion(fake, 0, x, y);
            org_kde_kwin_fake_input_touch_frame(fake);
        } else if (step == "touch-up") {
            org_kde_kwin_fake_input_touch_up(fake, 0);
            org_kde_kwin_fake_input_touch_frame(fake);
        } else if (step == "until") {
            const char* file = argv[++i];
            for (int tries = 0; ::access(file, F_OK) != 0; ++tries) {
                if (tries == 6000 || wl_display_roundtrip(display) < 0) {
                    return 1;
                }
                ::usleep(100000);
            }
        } else if (step == "keys" && fakeVersion >= 4) {
            std::vector<uint32_t> codes;
            for (char* p = argv[++i]; *p != '\0';) {
                codes.push_back(static_cast<uint32_t>(std::strtoul(p, &p, 10)));
                p += *p == '+' ? 1 : 0;
            }
            for (uint32_t code : codes) {
                org_kde_kwin_fake_input_keyboard_key(fake, code, 1);
            }
            for (auto it = codes.rbegin(); it != codes.rend(); ++it) {
                org_kde_kwin_fake_input_keyboard_key(fake, *it, 0);
            }
        } else {
            std::fprintf(stderr, "kwin_fake_input: no step %s\n", step.c_str());
            return 2;
        }
        i += point ? 2 : 0;
        if (wl_display_roundtrip(display) < 0) {
            std::fputs("kwin_fake_input: the compositor closed the connection\n", stderr);
            return 1;
        }
    }
    wl_display_disconnect(display);
    return 0;
}
