#!/usr/bin/python3
"""Writes the side files of the sample forms: our own records, laid out as the
legacy designer lays them out (see migrate/FrxFile.h). Run it again after
changing a record; the offsets in the .frm files follow the order below."""
import struct, sys, os

def text1(s):  # u8 length + text
    b = s.encode('cp1252'); assert len(b) < 255; return bytes([len(b)]) + b
def text3(s):  # 0xFF, u16 length + text
    b = s.encode('cp1252'); return b'\xff' + struct.pack('<H', len(b)) + b
def text4(s):  # u32 length + text
    b = s.encode('cp1252'); return struct.pack('<I', len(b)) + b
def items(lst):  # u16 count, u16 marker, then u16 length + text each
    out = struct.pack('<HH', len(lst), 3)
    for s in lst:
        b = s.encode('cp1252'); out += struct.pack('<H', len(b)) + b
    return out
def picture(data):  # u32 size, "lt\0\0", u32 data size, data
    return struct.pack('<I', len(data) + 8) + b'lt\0\0' + struct.pack('<I', len(data)) + data

# A 2x2 24-bit BMP.
bmp_pixels = b'\x00\x00\xff\xff\xff\xff\x00\x00' * 2
bmp = b'BM' + struct.pack('<IHHI', 14 + 40 + len(bmp_pixels), 0, 0, 54) + \
      struct.pack('<IiiHHIIiiII', 40, 2, 2, 1, 24, 0, len(bmp_pixels), 2835, 2835, 0, 0) + bmp_pixels

def write(path, records):
    out = b''
    for name, rec in records:
        print('%-28s %04X' % (name, len(out)))
        out += rec
    open(path, 'wb').write(out)

here = os.path.dirname(os.path.abspath(__file__))
write(os.path.join(here, 'frmPedido.frx'), [
    ('txtObs.Text', text4('Entregar pela manhã.\r\nPortão lateral, "bloco B".')),
    ('cboUF.List', items(['SP', 'RJ', 'MG', 'São João'])),
    ('lstFormas.List', items(['Boleto', 'Cartão', 'Pix'])),
    ('imgLogo.Picture', picture(bmp)),
    ('lblAviso.Caption', text3('Atenção: pedidos acima de R$ 10.000,00 passam pela gerência € ' + 'x' * 300)),
    ('cmdOk.ToolTipText', text1('Grava o pedido')),
])
