#ifndef CONTROL_H
#define CONTROL_H

void control_init(void);
void control_step(unsigned int speed_reading);
unsigned char control_duty(void);

#endif
