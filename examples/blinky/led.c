#include <p24FJ64GA002.h>
#include "led.h"

/* BOARD_NAME, BLINK_MS and USE_LED2 come from the compiler's -D switches. */
const char board_name[] = BOARD_NAME;

void led_init(void)
{
    TRISB &= ~(LED1 | LED2);
    LATB &= ~(LED1 | LED2);
}

void led_toggle(unsigned int led)
{
    LATB ^= led;
}

void led_wait_ms(unsigned int ms)
{
    unsigned int i;
    while (ms--)
        for (i = 0; i < 4000; i++)
            Nop();
}
