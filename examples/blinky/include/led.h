#ifndef LED_H
#define LED_H

#define LED1 0x0001
#define LED2 0x0002

void led_init(void);
void led_toggle(unsigned int led);
void led_wait_ms(unsigned int ms);

#endif
