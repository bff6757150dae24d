#include <p18f4550.h>
#include "board.h"
#include "pwm.h"

void pwm_init(unsigned int khz)
{
    PR2 = (unsigned char)(FOSC_HZ / 16UL / 4UL / (khz * 1000UL)) - 1;
    CCP1CON = 0x0C;
    T2CON = 0x06;
}

void pwm_set_duty(unsigned char duty)
{
    CCPR1L = duty;
}
