# Virtual Object Table for partition Beta
	.section	".arinc653start","aw"
#	OPERATING_MODE = COLD_START(1)
#	START_CONDITION = NORMAL_START(0)
	.byte	0x41
	.data
	.balign	8
	.globl	ARINC653VirtualObjectTable
ARINC653VirtualObjectTable:
	.byte	0
#	Partition has release point = 0
	.byte	0
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
#	IDENTIFIER = 2
	.byte	2,0,0,0
#	PERIOD = 20000000
	.byte	0,45,49,1
	.byte	0,0,0,0
#	DURATION = 5000000
	.byte	64,75,76,0
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
#	Number of Objects = 1
	.byte	1,0,0,0
#	in_q
	.byte	105,110,95,113
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,0,0
	.byte	0,0,132,4
	.byte	30,0,0,0
	.byte	100,0,0,0
	.byte	2,0,0,0
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
#	Schedule Duration = 5000000
	.byte	64,75,76,0
	.byte	0,0,0,0
#	Logical To Physical Core Mapping Table
	.byte	2,3,0,0
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
