#include <p18f4550.h>
#include "board.h"
#include "control.h"
#include "pwm.h"
#include "adc.h"

void main(void)
{
    adc_init();
    pwm_init(PWM_KHZ);
    control_init();
    LED_RUN = 1;

    for (;;) {
        control_step(adc_read(0));
        pwm_set_duty(control_duty());
    }
}
