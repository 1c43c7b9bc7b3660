/* demo.h: interface of a small traffic-light controller under test. */
#ifndef DEMO_H
#define DEMO_H

#define DEMO_MAX_LAMPS 4

typedef unsigned short lamp_id_t;

enum lamp_colour { LAMP_RED, LAMP_AMBER, LAMP_GREEN = 4 };

struct lamp_state {
    lamp_id_t id;
    enum lamp_colour colour;
    unsigned int seconds_left;
};

union lamp_payload {
    struct lamp_state state;
    unsigned char raw[8];
};

struct controller_report {
    int lamp_count;
    struct lamp_state lamps[DEMO_MAX_LAMPS];
};

class Controller {
public:
    Controller();
    int switch_to(lamp_id_t id, lamp_colour colour);
    const controller_report *report() const;
private:
    controller_report last;
    friend class ZIRKO;
};

int controller_reset(int hard);

#endif
