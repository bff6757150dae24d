#include "control.h"

/* The pole count is one of the project's macro definitions, not a header's. */
#ifndef MOTOR_POLES
#error "MOTOR_POLES comes from the MPLAB project's macro definitions"
#endif

/* Proportional speed control: the pot sets the target, the duty follows. */
static unsigned char duty;

void control_init(void)
{
    duty = 0;
}

void control_step(unsigned int speed_reading)
{
    unsigned int target = speed_reading >> 2;

    if (target > duty && duty < 255)
        duty++;
    else if (target < duty && duty > 0)
        duty--;
}

unsigned char control_duty(void)
{
    return duty;
}
