#ifndef PWM_H
#define PWM_H

void pwm_init(unsigned int khz);
void pwm_set_duty(unsigned char duty);

#endif
