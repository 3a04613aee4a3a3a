	.section	".rodata","a"
	.balign	4
	.globl	ARINC653ShadowTable
ARINC653ShadowTable:
#	Shadowed Partition "Display"
#	Partition Identifier = 2
	.byte	0,0,0,2
#	Object Number of link to initial task = 419
	.byte	0,0,1,163
	.byte	0,0,0,0
