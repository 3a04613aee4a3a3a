# Virtual Object Table for partition Alpha
	.section	".arinc653start","aw"
#	OPERATING_MODE = COLD_START(1)
#	START_CONDITION = NORMAL_START(0)
	.byte	0x41
	.data
	.balign	8
	.globl	ARINC653VirtualObjectTable
ARINC653VirtualObjectTable:
	.byte	0
#	Partition has release point = 1
	.byte	1
#	ARINC653 Locking Discipline = BLOCKING_PRIORITY(1)
	.byte	1
#	Partition HM exists = false
#	ARINC653SetAffinityPermission = NOT_PERMITTED
#	Default Process Core Affinity Any = false
#	Max Name Length = 32
	.byte	64
#	Port task object = 29
#	Error process task object = 15
	.byte	15,0,29,0
#	PROCESS Level Error Value Table = 0x0
	.byte	0,0,0,0
#	IDENTIFIER = 1
	.byte	1,0,0,0
#	PERIOD = 20000000
	.byte	0,45,49,1
	.byte	0,0,0,0
#	DURATION = 10000000
	.byte	128,150,152,0
	.byte	0,0,0,0
#	Partition Recovery Actions
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
#	Number of Objects = 3
	.byte	3,0,0,0
#	guard
	.byte	103,117,97,114
	.byte	100,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,8,0
	.byte	31,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
#	out_q
	.byte	111,117,116,95
	.byte	113,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,4,4
	.byte	34,0,0,0
	.byte	100,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
#	worker
	.byte	119,111,114,107
	.byte	101,114,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,14,10
	.byte	33,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
#	Number of module schedules = 1
	.byte	1,0,0,0
#	main
	.byte	109,97,105,110
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
#	Partition Uses Logical Cores = True
	.byte	1
#	Schedule Change Action = IGNORE(0)
	.byte	0
#	Schedule Identifier = 1
	.byte	1,0,0,0
#	Schedule Number = 1
	.byte	1,0,0,0
#	Schedule Period = 20000000
	.byte	0,45,49,1
	.byte	0,0,0,0
#	Schedule Duration = 10000000
	.byte	128,150,152,0
	.byte	0,0,0,0
#	Logical To Physical Core Mapping Table
	.byte	0,1,2,3
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
