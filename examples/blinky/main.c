#include <p24FJ64GA002.h>
#include "led.h"

int main(void)
{
    led_init();
    for (;;) {
        led_toggle(LED1);
#ifdef USE_LED2
        led_toggle(LED2);
#endif
        led_wait_ms(BLINK_MS);
    }
    return 0;
}
