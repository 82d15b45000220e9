#include "sim/events.h"

void start_frame_events() {
    frame_events = FrameEvents();
    contacts_before = contacts_now;
    contacts_now = LastingContacts();
}

bool contact_begins(uint8_t LastingContacts::*contact) {
    contacts_now.*contact = 1;
    return contacts_before.*contact == 0;
}
