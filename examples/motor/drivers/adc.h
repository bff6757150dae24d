#ifndef ADC_H
#define ADC_H

void adc_init(void);
unsigned int adc_read(unsigned char channel);

#endif
