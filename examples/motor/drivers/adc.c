#include <p18f4550.h>
#include "adc.h"

void adc_init(void)
{
#ifdef USE_ADC
    ADCON1 = 0x0E;
    ADCON2 = 0xA9;
    ADCON0 = 0x01;
#endif
}

unsigned int adc_read(unsigned char channel)
{
    ADCON0 = (channel << 2) | 0x01;
    ADCON0bits.GO = 1;
    while (ADCON0bits.GO)
        ;
    return ((unsigned int)ADRESH << 8) | ADRESL;
}
